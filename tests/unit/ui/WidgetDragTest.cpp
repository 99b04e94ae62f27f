// The panel's drag handles and the cursor they hide, and presses in the strip that hit no button.
#include <cmath>

#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "puzzle/PopUp.h"

namespace {

using widgettest::handleY;
using widgettest::moveX;
using widgettest::zoomX;

class WidgetDragTest : public widgettest::PanelTest {
protected:
    // One move of a left drag that started on (fromX, fromY): the panel puts the cursor back
    // there, and the window system then reports the pointer on that spot.
    void dragStep(float x, float y, float fromX, float fromY) {
        pointAt(x, y);
        int cursorX = -1, cursorY = -1;
        platform::getCursorPos(cursorX, cursorY);
        EXPECT_EQ(cursorX, static_cast<int>(fromX * 800));
        EXPECT_EQ(cursorY, static_cast<int>((0.75f - fromY) / 0.75f * 600));
        pointAt(fromX, fromY);
    }
    static int cursorCounter() { return platform::null::cursorCounter(); }
};

TEST_F(WidgetDragTest, ZoomFollowsHorizontalMovesWithinBounds) {
    play();
    press(zoomX, handleY);
    EXPECT_EQ(cursorCounter(), -1);
    dragStep(zoomX, handleY - 0.02f, zoomX, handleY);  // straight down
    EXPECT_FLOAT_EQ(board().zoom, 1.0f);
    dragStep(zoomX + 0.02f, handleY - 0.01f, zoomX, handleY);  // right: larger by the distance
    EXPECT_NEAR(board().zoom, 1.0f + std::sqrt(0.0005f), 1e-5f);
    for (int i = 0; i < 60; ++i) dragStep(zoomX - 0.03f, handleY, zoomX, handleY);
    EXPECT_FLOAT_EQ(board().zoom, minBoardZoom);
    for (int i = 0; i < 200; ++i) dragStep(zoomX + 0.03f, handleY, zoomX, handleY);
    EXPECT_FLOAT_EQ(board().zoom, maxBoardZoom);
    release(zoomX, handleY);
    EXPECT_EQ(cursorCounter(), 0);
}

TEST_F(WidgetDragTest, MoveHandleCarriesTheBoardButNotOutOfView) {
    play();
    press(moveX, handleY);
    dragStep(moveX + 0.02f, handleY - 0.01f, moveX, handleY);
    EXPECT_NEAR(board().centreX, 0.52f, 1e-5f);
    EXPECT_NEAR(board().centreY, 0.36f, 1e-5f);
    for (int i = 0; i < 40; ++i) dragStep(moveX + 0.03f, handleY + 0.03f, moveX, handleY);
    EXPECT_FLOAT_EQ(board().centreX, 1.0f);
    EXPECT_FLOAT_EQ(board().centreY, 0.75f);
    release(moveX, handleY);
    EXPECT_EQ(cursorCounter(), 0);
}

// Middle and right releases never arrive: the cursor must come back some other way, and the
// display counter must stay balanced whatever the order of presses and releases.
TEST_F(WidgetDragTest, CursorComesBackAfterAMiddlePressOnTheMoveHandle) {
    play();
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
}

// The box takes the release of a drag it interrupts; the drag ends when the box shows.
TEST_F(WidgetDragTest, ConfirmationEndsADrag) {
    play();
    press(moveX, handleY);
    game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionNone);
    game->draw();
    EXPECT_EQ(cursorCounter(), 0);
    click(*game->ui->cancelButton);
    pointAt(moveX + 0.02f, handleY);
    EXPECT_FLOAT_EQ(board().centreX, 0.5f);
}

// A playable cell under the strip, away from every button: the press is the panel's. Below the
// strip the same press opens the ring.
TEST_F(WidgetDragTest, PressInTheStripNeverReachesTheBoard) {
    play();
    board().centreX = 0.1f;
    board().centreY = 0.7f;
    press(0.1f, 0.7f);
    release(0.1f, 0.7f);
    EXPECT_FALSE(game->digitPopUp->isOpen());
    board().centreY = 0.55f;
    press(0.1f, 0.55f);
    EXPECT_TRUE(game->digitPopUp->isOpen());
}

}  // namespace

// A left release taken by a menu button ("Retire") still ends both kinds of drag: the cursor comes
// back on the level page, and the board does not follow the pointer when it is opened again.
TEST_F(WidgetDragTest, ReleaseOverRetireEndsThePanelAndBoardDrags) {
    play();
    const uiButton& retire = *game->ui->pageGame[0];
    float retireX = retire.x + retire.width / 2, retireY = retire.y - retire.height / 2;
    press(moveX, handleY);
    ASSERT_EQ(cursorCounter(), -1);
    pointAt(retireX, retireY);
    release(retireX, retireY);
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    EXPECT_EQ(cursorCounter(), 0);

    game->startLevel(0);
    float clueX = board().left() + 1.5f * board().cellEdge(), clueY = board().top() - 0.5f * board().cellEdge();
    press(clueX, clueY);  // the second cell of the top row is a clue: a board drag starts
    ASSERT_TRUE(board().drag.held[0]);
    pointAt(retireX, retireY);
    release(retireX, retireY);
    game->startLevel(0);
    float centreX = board().centreX;
    pointAt(0.6f, 0.3f);
    EXPECT_FLOAT_EQ(board().centreX, centreX);
    EXPECT_EQ(cursorCounter(), 0);
}
