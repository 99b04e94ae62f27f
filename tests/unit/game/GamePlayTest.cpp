// Playing a level: the play clock, the solution test with its medal message, and the routing of
// input to the board and the confirmation box.
#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include <cmath>

#include "puzzle/PopUp.h"

namespace {

using gametest::frameAfter;

class CGamePlayTest : public gametest::GameFolderTest {
protected:
    // One level with the given records, opened for play, after one frame.
    std::unique_ptr<CGame> play(const std::string& records = "") {
        writeLevels(1);
        if (!records.empty()) writeFile(levels() / "Recs.ini", "[Level01]\n" + records);
        auto game = std::make_unique<CGame>();
        game->startLevel(0);
        game->draw();
        return game;
    }
    static CTallix& board(CGame& game) { return *game.pageSlots[0]; }
};

TEST_F(CGamePlayTest, PlayTimeFollowsTheTickCount) {
    auto game = play();
    frameAfter(*game, 250);
    frameAfter(*game, 1500);
    EXPECT_EQ(game->activePuzzle->elapsed, 1750u);
    EXPECT_EQ(game->timeCaption(), "00:01");
}

// The clock stands still while a question is open; the first frame after it catches up.
TEST_F(CGamePlayTest, OpenBoxFreezesPlayTimeThenAddsTheWholeInterval) {
    auto game = play();
    frameAfter(*game, 500);
    game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionNone);
    frameAfter(*game, 3000);
    frameAfter(*game, 3000);
    EXPECT_EQ(game->activePuzzle->elapsed, 500u);
    uiButton& cancel = *game->ui->cancelButton;
    gametest::click(*game, cancel.x + cancel.width / 2, cancel.y - cancel.height / 2);
    EXPECT_FALSE(game->ui->isConfirmationOpen());
    frameAfter(*game, 100);
    EXPECT_EQ(game->activePuzzle->elapsed, 6600u);
}

// YES on the question asked as a level opens restores its saved game with its time; the time spent
// on the question is not play time.
TEST_F(CGamePlayTest, SavedGameIsOfferedAsItsLevelOpens) {
    auto game = play();
    puzzletest::enter(puzzletest::playable(board(*game), 2, 2), 4);
    frameAfter(*game, 2000);
    game->ui->doAction(actionRetire);
    game->startLevel(0);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->ui->message, "Load saved game???");
    EXPECT_FALSE(board(*game).hasEntries());
    frameAfter(*game, 5000);
    gametest::clickButton(*game, *game->ui->yesButton);
    frameAfter(*game, 100);
    EXPECT_EQ(puzzletest::playable(board(*game), 2, 2).value, 4);
    EXPECT_EQ(game->activePuzzle->elapsed, 2100u);
}

TEST_F(CGamePlayTest, GoldAtExactlyTheLimitInWholeSeconds) {
    auto game = play("Gold=119\nSilver=150\nBronze=200\n");
    gametest::solve(board(*game));
    frameAfter(*game, 119999);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->ui->message, "You win Gold Medal");
    EXPECT_EQ(game->ui->yesButton->label, "OK");
    EXPECT_EQ(game->ui->yesButton->action, actionResultSeen);
    EXPECT_FALSE(game->ui->cancelButton->visible);
    EXPECT_NE(readFile(levels() / "Recs.ini").find("User=119"), std::string::npos);
}

// Checked about once a second of play time, so a solution shows within a little over a second.
TEST_F(CGamePlayTest, SolutionIsRecognisedWithinASecondAndAnnouncedOnce) {
    auto game = play();
    for (int i = 0; i < 25; ++i) frameAfter(*game, 100);
    gametest::solve(board(*game));
    int frames = 0;
    while (!game->ui->isConfirmationOpen() && frames < 50) {
        frameAfter(*game, 100);
        ++frames;
    }
    EXPECT_LE(frames, 11);
    uint32_t shownAt = game->activePuzzle->elapsed;
    for (int i = 0; i < 30; ++i) frameAfter(*game, 100);
    EXPECT_EQ(game->activePuzzle->elapsed, shownAt);  // frozen while the message shows
}

// OK returns to the level page; the solved board keeps its digits there.
TEST_F(CGamePlayTest, OkOfTheMedalReturnsToTheLevelPage) {
    auto game = play();
    gametest::solve(board(*game));
    frameAfter(*game, 2000);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    gametest::click(*game, 0.1f, 0.6f);  // elsewhere: swallowed
    EXPECT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->screen, GameScreen::Playing);
    gametest::clickButton(*game, *game->ui->yesButton);
    EXPECT_FALSE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    EXPECT_EQ(game->ui->currentPage, &game->ui->pageLevels);
    EXPECT_TRUE(board(*game).hasEntries());
    EXPECT_FLOAT_EQ(board(*game).centreX, 0.226f);
}

// A new attempt starts below the last check time and is checked on its first frame.
TEST_F(CGamePlayTest, ReopenedBoardIsCheckedAtOnceAndStartsEmpty) {
    auto game = play();
    frameAfter(*game, 30000);
    game->ui->doAction(actionRetire);
    game->startLevel(0);
    EXPECT_EQ(game->activePuzzle->elapsed, 0u);
    EXPECT_FALSE(board(*game).hasEntries());
    gametest::solve(board(*game));
    frameAfter(*game, 10);
    EXPECT_TRUE(game->ui->isConfirmationOpen());
}

TEST_F(CGamePlayTest, LeftClickOpensTheRingAndADigitOfItFillsTheCell) {
    auto game = play();
    CTallix& b = board(*game);
    float x = puzzletest::cellCentreX(b, 1), y = puzzletest::cellCentreY(b, 1);
    gametest::click(*game, x, y);
    ASSERT_TRUE(game->digitPopUp->isOpen());
    frameAfter(*game, 500);  // the ring has grown
    // Digit 3 of the ring: 100 degrees clockwise from the top, 0.05 from the centre.
    float ax = x + 0.05f * std::sin(100.0f * 3.14159265f / 180.0f);
    float ay = y + 0.05f * std::cos(100.0f * 3.14159265f / 180.0f);
    gametest::click(*game, ax, ay);
    EXPECT_EQ(puzzletest::playable(b, 1, 1).value, 3);
    EXPECT_FALSE(game->digitPopUp->isOpen());
}

TEST_F(CGamePlayTest, WheelStepsTheHoveredDigit) {
    auto game = play();
    CTallix& b = board(*game);
    game->mouseMove(puzzletest::cellCentreX(b, 2), puzzletest::cellCentreY(b, 2));
    game->wheel(120);
    game->wheel(120);
    game->wheel(-120);
    EXPECT_EQ(puzzletest::playable(b, 2, 2).value, 1);
}

TEST_F(CGamePlayTest, OpenBoxKeepsEveryEventFromTheBoard) {
    auto game = play();
    CTallix& b = board(*game);
    float x = puzzletest::cellCentreX(b, 2), y = puzzletest::cellCentreY(b, 2);  // clear of the box's buttons
    game->mouseMove(x, y);
    game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionReset);
    EXPECT_TRUE(game->buttonDown(x, y, 0));
    EXPECT_TRUE(game->buttonUp(x, y, 0));
    EXPECT_FALSE(game->digitPopUp->isOpen());
    game->wheel(120);
    EXPECT_EQ(puzzletest::playable(b, 2, 2).value, 0);
}

// The pop-ups are shared: one left open on an earlier board must not write into it later.
TEST_F(CGamePlayTest, StartingALevelClosesAPopUpLeftOpen) {
    writeLevels(2);
    CGame game;
    game.startLevel(0);
    CTallix& first = *game.pageSlots[0];
    gametest::click(game, puzzletest::cellCentreX(first, 1), puzzletest::cellCentreY(first, 1));
    ASSERT_TRUE(game.digitPopUp->isOpen());
    game.ui->doAction(actionRetire);
    game.startLevel(1);
    EXPECT_FALSE(game.digitPopUp->isOpen());
}

}  // namespace
