// Playing a level: the play clock, the solution test with its medal message, and the routing of
// input to the board and the confirmation box.
#include "puzzle/PopUp.h"
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

using CGamePlayTest = GameTest;

// The clock stands still while a question is open, and the box keeps every event from the board;
// the first frame after it catches up.
TEST_F(CGamePlayTest, PlayTimeFollowsTheTickCountButNotAnOpenBox) {
    play();
    frameAfter(*game, 250);
    frameAfter(*game, 1500);
    EXPECT_EQ(game->activePuzzle->elapsed, 1750u);
    EXPECT_EQ(game->timeCaption(), "00:01");
    float x = cellCentreX(board(), 2), y = cellCentreY(board(), 2);  // clear of the box's buttons
    game->mouseMove(x, y);
    game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionNone);
    EXPECT_TRUE(game->buttonDown(x, y, 0));
    EXPECT_TRUE(game->buttonUp(x, y, 0));
    EXPECT_FALSE(game->digitPopUp->isOpen());
    game->wheel(120);
    EXPECT_EQ(playable(board(), 2, 2).value, 0);
    frameAfter(*game, 3000);
    frameAfter(*game, 3000);
    EXPECT_EQ(game->activePuzzle->elapsed, 1750u);
    clickButton(*game, *game->ui->cancelButton);
    EXPECT_FALSE(game->ui->isConfirmationOpen());
    frameAfter(*game, 100);
    EXPECT_EQ(game->activePuzzle->elapsed, 7850u);
}

// YES on the question asked as a level opens restores its saved game with its time; the time spent
// on the question is not play time.
TEST_F(CGamePlayTest, SavedGameIsOfferedAsItsLevelOpens) {
    play();
    enter(playable(board(), 2, 2), 4);
    frameAfter(*game, 2000);
    game->ui->doAction(actionRetire);
    game->startLevel(0);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->ui->message, "Load saved game???");
    EXPECT_FALSE(board().hasEntries());
    frameAfter(*game, 5000);
    clickButton(*game, *game->ui->yesButton);
    frameAfter(*game, 100);
    EXPECT_EQ(playable(board(), 2, 2).value, 4);
    EXPECT_EQ(game->activePuzzle->elapsed, 2100u);
}

// The medal for a time of exactly the gold limit in whole seconds, in an OK box; the best time is
// recorded at once.
TEST_F(CGamePlayTest, GoldAtExactlyTheLimitInWholeSeconds) {
    writeText(levels() / "Recs.ini", "[Level01]\nGold=119\nSilver=150\nBronze=200\n");
    play();
    solve(board());
    frameAfter(*game, 119999);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->ui->message, "You win Gold Medal");
    EXPECT_EQ(game->ui->yesButton->label, "OK");
    EXPECT_NE(readText(levels() / "Recs.ini").find("User=119"), std::string::npos);
}

// Checked about once a second of play time, so a solution shows within a little over a second and
// freezes the clock; OK returns to the level page, where the solved board keeps its digits. A new
// attempt starts empty, below the last check time, and is checked on its first frame.
TEST_F(CGamePlayTest, SolutionIsAnnouncedWithinASecondAndOkReturnsToTheLevelPage) {
    play();
    for (int i = 0; i < 25; ++i) frameAfter(*game, 100);
    solve(board());
    int frames = 0;
    while (!game->ui->isConfirmationOpen() && frames < 50) {
        frameAfter(*game, 100);
        ++frames;
    }
    EXPECT_LE(frames, 11);
    uint32_t shownAt = game->activePuzzle->elapsed;
    for (int i = 0; i < 30; ++i) frameAfter(*game, 100);
    EXPECT_EQ(game->activePuzzle->elapsed, shownAt);

    click(*game, 0.1f, 0.6f);  // elsewhere: swallowed
    EXPECT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->screen, GameScreen::Playing);
    clickButton(*game, *game->ui->yesButton);
    EXPECT_FALSE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    EXPECT_EQ(game->ui->currentPage, &game->ui->pageLevels);
    EXPECT_TRUE(board().hasEntries());
    EXPECT_FLOAT_EQ(board().centreX, 0.226f);

    play();
    frameAfter(*game, 30000);
    game->ui->doAction(actionRetire);
    game->startLevel(0);
    EXPECT_EQ(game->activePuzzle->elapsed, 0u);
    EXPECT_FALSE(board().hasEntries());
    solve(board());
    frameAfter(*game, 10);
    EXPECT_TRUE(game->ui->isConfirmationOpen());
}

// A left click opens the ring and a digit of it fills the cell; the wheel steps the hovered digit.
// The pop-ups are shared: one left open on an earlier board must not write into it later.
TEST_F(CGamePlayTest, PointerAndWheelReachTheBoard) {
    play(2);
    float x = cellCentreX(board(), 1), y = cellCentreY(board(), 1);
    click(*game, x, y);
    ASSERT_TRUE(game->digitPopUp->isOpen());
    frameAfter(*game, 500);  // the ring has grown
    const PPopUp::Item& three = game->digitPopUp->items()[3];
    click(*game, x + three.x, y + three.y);
    EXPECT_EQ(playable(board(), 1, 1).value, 3);
    EXPECT_FALSE(game->digitPopUp->isOpen());
    game->mouseMove(cellCentreX(board(), 2), cellCentreY(board(), 2));
    for (int delta : {120, 120, -120}) game->wheel(delta);
    EXPECT_EQ(playable(board(), 2, 2).value, 1);

    click(*game, x, y);
    ASSERT_TRUE(game->digitPopUp->isOpen());
    game->ui->doAction(actionRetire);
    game->startLevel(1);
    EXPECT_FALSE(game->digitPopUp->isOpen());
}

}  // namespace
