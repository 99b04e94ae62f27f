// The panel: fading and the hold, the selectors, the record table, the two confirmations, the drag
// handles with the cursor they hide, and presses in the strip.
#include <cmath>
#include <tuple>

#include "gfx/VisualStyle.h"
#include "puzzle/PopUp.h"
#include "tests/support/PlayFixtures.h"
#include "ui/Widget.h"
#include "ui/WidgetRecordTable.h"

using namespace playtest;

namespace {

constexpr float zoomX = 0.23f, moveX = 0.33f, handleY = 0.70f;  // the middles of the two handles

// One level opened for play with three styles; the screen cursor follows the pointer (the null
// backend's window sits at the screen origin, 800 x 600 pixels).
class WidgetTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        play(1, "Count=3\n0=Classic\n1=Night\n2=Paper\n");
    }
    Widget& panel() { return *game->panel; }
    float fade() { return panel().fade.value; }
    void frameAfter(uint32_t milliseconds) { playtest::frameAfter(*game, milliseconds); }

    static int pixelX(float x) { return static_cast<int>(x * 800); }
    static int pixelY(float y) { return static_cast<int>((0.75f - y) / 0.75f * 600); }
    // A move as the window system reports it: the cursor is there first.
    void pointAt(float x, float y) {
        platform::setCursorPos(pixelX(x), pixelY(y));
        game->mouseMove(x, y);
    }
    void press(float x, float y, int button = 0) { pointAt(x, y), game->buttonDown(x, y, button); }
    void release(float x, float y) { game->buttonUp(x, y, 0); }
    void click(const uiButton& button) { clickButton(*game, button); }
    // One move of a left drag that started on the handle at (fromX, handleY): the panel puts the
    // cursor back there, and the window system then reports the pointer on that spot.
    void dragStep(float x, float y, float fromX) {
        pointAt(x, y);
        int cursorX = -1, cursorY = -1;
        platform::getCursorPos(cursorX, cursorY);
        EXPECT_EQ(std::make_pair(cursorX, cursorY), std::make_pair(pixelX(fromX), pixelY(handleY)));
        pointAt(fromX, handleY);
    }
    static int cursorCounter() { return platform::null::cursorCounter(); }
};

// Opened at 0 and fading in over 500 ms; the hold keeps it five seconds while the pointer is
// elsewhere, then it fades out. A pointer over the strip when the hold ends keeps the panel until
// the pointer leaves; each enter and leave turns the fade round at the opacity it had reached.
TEST_F(WidgetTest, OpeningALevelShowsThePanelForFiveSecondsAndThePointerKeepsIt) {
    frameAfter(250);
    EXPECT_NEAR(fade(), 0.5f, 1e-4f);
    pointAt(0.5f, 0.3f);  // on the board
    frameAfter(4700);
    EXPECT_TRUE(panel().shown);
    EXPECT_NEAR(fade(), 1.0f, 1e-4f);
    frameAfter(60);
    EXPECT_FALSE(panel().shown);
    frameAfter(500);
    EXPECT_NEAR(fade(), 0.0f, 1e-4f);
    EXPECT_FALSE(panel().fade.active);

    pointAt(0.1f, 0.7f);
    frameAfter(5100);
    frameAfter(1000);
    EXPECT_TRUE(panel().shown);
    for (auto [x, y, milliseconds, opacity] : {std::tuple{0.5f, 0.3f, 200u, 0.6f}, {0.1f, 0.7f, 0u, 0.6f},
                                               {0.1f, 0.7f, 100u, 0.8f}, {0.5f, 0.3f, 150u, 0.5f}}) {
        pointAt(x, y);
        frameAfter(milliseconds);
        EXPECT_NEAR(fade(), opacity, 1e-4f) << x << " after " << milliseconds;
    }
    EXPECT_FALSE(panel().shown);
}

// Both selectors wrap around; a new style takes the view shown. Without styles only the view moves.
TEST_F(WidgetTest, StyleAndViewArrowsWrapAroundAndCarryTheView) {
    click(panel().viewPrevButton);  // Minimal -> Transparent
    EXPECT_EQ(panel().viewCaption(), L"View: < Transparent >");
    EXPECT_FLOAT_EQ(game->styles[0]->unusedCellColour()[3], 0.4f);
    click(panel().stylePrevButton);  // first -> last
    EXPECT_EQ(panel().styleCaption(), L"Style: < Paper >");
    EXPECT_FLOAT_EQ(game->styles[2]->unusedCellColour()[3], 0.4f);
    click(panel().styleNextButton);  // last -> first
    EXPECT_EQ(game->visualStyle, 0);
    click(panel().viewNextButton);  // Transparent -> Minimal
    EXPECT_EQ(panel().viewIndex, 0);
    EXPECT_FLOAT_EQ(game->currentStyle()->unusedCellColour()[3], 0.0f);

    game.reset();
    play(1, "Count=0\n");
    click(panel().styleNextButton);
    click(panel().stylePrevButton);
    EXPECT_EQ(game->visualStyle, 0);
    EXPECT_EQ(panel().styleCaption(), L"Style: <  >");
    click(panel().viewNextButton);
    EXPECT_EQ(panel().viewIndex, 1);
    game->draw();
}

// Strictly faster than a limit; equal is not enough.
TEST(WidgetRecordTable, BestTimePlacement) {
    const std::array<int32_t, 3> limits{119, 150, 200};
    for (auto [best, row] : {std::pair{100, BestTimeRow::gold}, {119, BestTimeRow::silver}, {199, BestTimeRow::bronze},
                             {200, BestTimeRow::below}, {0, BestTimeRow::hidden}, {-3, BestTimeRow::hidden}})
        EXPECT_EQ(bestTimeRow(best, limits), row) << best;
}

// Reset asks first. Load Saved Game is neither shown nor clickable without a saved game; with one
// it asks, and YES restores it.
TEST_F(WidgetTest, ResetAndLoadSavedGameAsk) {
    enter(playable(board(), 1, 1), 3);
    click(panel().resetButton);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->ui->message, "Reset puzzle???");
    EXPECT_TRUE(board().hasEntries());
    click(*game->ui->yesButton);
    EXPECT_FALSE(board().hasEntries());

    click(panel().loadButton);
    EXPECT_FALSE(game->ui->isConfirmationOpen());
    enter(playable(board(), 2, 2), 4);
    board().saveGame();
    game->startLevel(0);
    ASSERT_TRUE(panel().loadButton.visible);
    click(*game->ui->cancelButton);  // the question asked as the level opens
    EXPECT_FALSE(board().hasEntries());
    click(panel().loadButton);
    EXPECT_EQ(game->ui->message, "Load saved game???");
    click(*game->ui->yesButton);
    EXPECT_EQ(playable(board(), 2, 2).value, 4);
}

// Right grows the board by the distance moved, left shrinks it, straight down changes nothing; the
// zoom stays within its bounds, and the cursor is hidden until the release. The move handle carries
// the board within the view.
TEST_F(WidgetTest, ZoomAndMoveHandlesFollowThePointerWithinBounds) {
    press(zoomX, handleY);
    EXPECT_EQ(cursorCounter(), -1);
    dragStep(zoomX, handleY - 0.02f, zoomX);
    EXPECT_FLOAT_EQ(board().zoom, 1.0f);
    dragStep(zoomX + 0.02f, handleY - 0.01f, zoomX);
    EXPECT_NEAR(board().zoom, 1.0f + std::sqrt(0.0005f), 1e-5f);
    for (int i = 0; i < 60; ++i) dragStep(zoomX - 0.03f, handleY, zoomX);
    EXPECT_FLOAT_EQ(board().zoom, minBoardZoom);
    for (int i = 0; i < 200; ++i) dragStep(zoomX + 0.03f, handleY, zoomX);
    EXPECT_FLOAT_EQ(board().zoom, maxBoardZoom);
    release(zoomX, handleY);
    EXPECT_EQ(cursorCounter(), 0);

    board().zoom = 1.0f;  // the move handle carries the board, but not out of view
    press(moveX, handleY);
    dragStep(moveX + 0.02f, handleY - 0.01f, moveX);
    EXPECT_NEAR(board().centreX, 0.52f, 1e-5f);
    EXPECT_NEAR(board().centreY, 0.36f, 1e-5f);
    for (int i = 0; i < 40; ++i) dragStep(moveX + 0.03f, handleY + 0.03f, moveX);
    EXPECT_FLOAT_EQ(board().centreX, 1.0f);
    EXPECT_FLOAT_EQ(board().centreY, 0.75f);
    release(moveX, handleY);
    EXPECT_EQ(cursorCounter(), 0);
}

// Middle and right releases never arrive: the cursor must come back some other way, and the
// display counter must stay balanced whatever the order of presses and releases. A box shown
// during a drag ends it.
TEST_F(WidgetTest, CursorComesBackAfterEveryDrag) {
    press(moveX, handleY, 1);
    press(moveX, handleY, 2);
    EXPECT_EQ(cursorCounter(), -1);
    pointAt(moveX + 0.01f, handleY);
    EXPECT_EQ(cursorCounter(), -1);
    EXPECT_FLOAT_EQ(board().centreX, 0.5f);  // only the left button drags
    pointAt(0.5f, 0.3f);
    EXPECT_EQ(cursorCounter(), 0);
    press(moveX, handleY, 1);
    release(0.5f, 0.3f);
    EXPECT_EQ(cursorCounter(), 0);
    release(moveX, handleY);  // nothing hidden, nothing to show
    EXPECT_EQ(cursorCounter(), 0);

    press(moveX, handleY);
    game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionNone);
    game->draw();
    EXPECT_EQ(cursorCounter(), 0);
    click(*game->ui->cancelButton);  // the box takes the release
    pointAt(moveX + 0.02f, handleY);
    EXPECT_FLOAT_EQ(board().centreX, 0.5f);
}

// A playable cell under the strip, away from every button: the press is the panel's; below the
// strip the same press opens the ring. A left release taken by a menu button ("Retire") still ends
// both kinds of drag: the cursor comes back on the level page, and the board does not follow the
// pointer when it is opened again.
TEST_F(WidgetTest, PressInTheStripNeverReachesTheBoardAndReleaseOverRetireEndsDrags) {
    board().centreX = 0.1f;
    board().centreY = 0.7f;
    press(0.1f, 0.7f);
    release(0.1f, 0.7f);
    EXPECT_FALSE(game->digitPopUp->isOpen());
    board().centreY = 0.55f;
    press(0.1f, 0.55f);
    EXPECT_TRUE(game->digitPopUp->isOpen());

    const uiButton& retire = *game->ui->pageGame[0];
    float retireX = retire.x + retire.width / 2, retireY = retire.y - retire.height / 2;
    press(moveX, handleY);
    ASSERT_EQ(cursorCounter(), -1);
    pointAt(retireX, retireY);
    release(retireX, retireY);
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    EXPECT_EQ(cursorCounter(), 0);

    game->startLevel(0);
    press(cellCentreX(board(), 1), cellCentreY(board(), 0));  // a clue: a board drag starts
    ASSERT_TRUE(board().drag.held[0]);
    pointAt(retireX, retireY);
    release(retireX, retireY);
    game->startLevel(0);
    float centreX = board().centreX;
    pointAt(0.6f, 0.3f);
    EXPECT_FLOAT_EQ(board().centreX, centreX);
    EXPECT_EQ(cursorCounter(), 0);
}

}  // namespace
