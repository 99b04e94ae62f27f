// The panel: fading and the hold, the style and view selectors, the record table's placement, the
// two confirmations and the view index's trip through the settings.
#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "gfx/VisualStyle.h"
#include "puzzle/PopUp.h"
#include "ui/WidgetRecordTable.h"

namespace {

using widgettest::PanelTest;

class WidgetTest : public PanelTest {};

// Opened at 0 and fading in; the full opacity after 500 ms; the hold keeps it for five seconds
// while the pointer is elsewhere, then it fades out.
TEST_F(WidgetTest, OpeningALevelShowsThePanelForFiveSeconds) {
    play();
    frameAfter(250);
    EXPECT_NEAR(panel().fade.value, 0.5f, 1e-4f);
    pointAt(0.5f, 0.3f);  // on the board
    frameAfter(4700);
    EXPECT_TRUE(panel().shown);
    EXPECT_NEAR(panel().fade.value, 1.0f, 1e-4f);
    frameAfter(60);
    EXPECT_FALSE(panel().shown);
    frameAfter(500);
    EXPECT_NEAR(panel().fade.value, 0.0f, 1e-4f);
    EXPECT_FALSE(panel().fade.active);
}

// A pointer over the strip when the hold ends keeps the panel until the pointer leaves.
TEST_F(WidgetTest, HoldEndingUnderThePointerKeepsThePanel) {
    play();
    pointAt(0.1f, 0.7f);
    frameAfter(5100);
    frameAfter(1000);
    EXPECT_TRUE(panel().shown);
    pointAt(0.5f, 0.3f);
    EXPECT_FALSE(panel().shown);
}

// Each enter and leave turns the fade round at the opacity it had reached.
TEST_F(WidgetTest, InterruptedFadeReversesFromTheCurrentOpacity) {
    play();
    pointAt(0.1f, 0.7f);
    frameAfter(600);
    pointAt(0.5f, 0.3f);
    frameAfter(200);
    EXPECT_NEAR(panel().fade.value, 0.6f, 1e-4f);
    pointAt(0.1f, 0.7f);
    EXPECT_NEAR(panel().fade.value, 0.6f, 1e-4f);  // no jump at the turn
    frameAfter(100);
    EXPECT_NEAR(panel().fade.value, 0.8f, 1e-4f);
    pointAt(0.5f, 0.3f);
    frameAfter(150);
    EXPECT_NEAR(panel().fade.value, 0.5f, 1e-4f);
}

TEST_F(WidgetTest, StyleArrowsWrapAroundAndCarryTheView) {
    play();
    click(panel().viewPrevButton);  // Minimal -> Transparent
    EXPECT_EQ(panel().viewCaption(), L"View: < Transparent >");
    EXPECT_FLOAT_EQ(game->styles[0]->unusedCellColour()[3], 0.4f);
    click(panel().stylePrevButton);  // first -> last
    EXPECT_EQ(game->visualStyle, 2);
    EXPECT_EQ(panel().styleCaption(), L"Style: < Paper >");
    EXPECT_FLOAT_EQ(game->styles[2]->unusedCellColour()[3], 0.4f);  // the board matches the view shown
    click(panel().styleNextButton);  // last -> first
    EXPECT_EQ(game->visualStyle, 0);
}

TEST_F(WidgetTest, ViewArrowsWrapAround) {
    play();
    click(panel().viewNextButton);
    click(panel().viewNextButton);
    EXPECT_EQ(panel().viewIndex, 2);
    click(panel().viewNextButton);
    EXPECT_EQ(panel().viewIndex, 0);
    EXPECT_FLOAT_EQ(game->currentStyle()->unusedCellColour()[3], 0.0f);
    click(panel().viewPrevButton);
    EXPECT_EQ(panel().viewCaption(), L"View: < Transparent >");
}

TEST_F(WidgetTest, WithoutStylesTheStyleArrowsDoNothing) {
    play("Count=0\n");
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
    EXPECT_EQ(bestTimeRow(100, limits), BestTimeRow::gold);
    EXPECT_EQ(bestTimeRow(119, limits), BestTimeRow::silver);
    EXPECT_EQ(bestTimeRow(199, limits), BestTimeRow::bronze);
    EXPECT_EQ(bestTimeRow(200, limits), BestTimeRow::below);
    EXPECT_EQ(bestTimeRow(0, limits), BestTimeRow::hidden);
    EXPECT_EQ(bestTimeRow(-3, limits), BestTimeRow::hidden);
}

TEST_F(WidgetTest, ResetAsksAndEmptiesTheBoard) {
    play();
    puzzletest::enter(puzzletest::playable(board(), 1, 1), 3);
    click(panel().resetButton);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->ui->message, "Reset puzzle???");
    EXPECT_TRUE(board().hasEntries());
    click(*game->ui->yesButton);
    EXPECT_FALSE(board().hasEntries());
}

// Without a saved game the button is neither shown nor clickable; with one it offers to load it.
TEST_F(WidgetTest, LoadSavedGameOnlyWhenOneExists) {
    play();
    click(panel().loadButton);
    EXPECT_FALSE(game->ui->isConfirmationOpen());
    puzzletest::enter(puzzletest::playable(board(), 2, 2), 4);
    board().saveGame();
    game->startLevel(0);
    ASSERT_TRUE(panel().loadButton.visible);
    click(*game->ui->cancelButton);  // the question asked as the level opens
    EXPECT_FALSE(board().hasEntries());
    click(panel().loadButton);
    EXPECT_EQ(game->ui->message, "Load saved game???");
    click(*game->ui->yesButton);
    EXPECT_EQ(puzzletest::playable(board(), 2, 2).value, 4);
}

// The view chosen on the panel is written at exit and comes back with its opacity.
TEST_F(WidgetTest, ViewSurvivesARestart) {
    play();
    click(panel().styleNextButton);
    click(panel().viewPrevButton);
    game.reset();
    std::string text = readFile(folder / "Settings.ini");
    EXPECT_NE(text.find("VisualStyle=1"), std::string::npos);
    EXPECT_NE(text.find("ViewStyle=2"), std::string::npos);
    game = std::make_unique<CGame>();
    EXPECT_EQ(panel().viewIndex, 2);
    EXPECT_FLOAT_EQ(game->currentStyle()->unusedCellColour()[3], 0.4f);
}

}  // namespace
