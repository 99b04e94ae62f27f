// The board model: geometry and hit tests, entries, resetting, the solved test and time text.
#include "puzzle/Tallix.h"

#include "PuzzleTestSupport.h"
#include "puzzle/FormatTime.h"

using namespace puzzletest;

namespace {

class TallixTest : public PuzzleTest {
protected:
    // A 2 x 2 board laid out on exact binary fractions: s = 0.0625, spanning x 0.4375 to 0.5625
    // and y 0.3125 to 0.4375.
    std::unique_ptr<CTallix> exactBoard() {
        auto board = load("Exact", levelFile({"3\\4 p", "p u"}));
        board->cellSize = 0.0625f;
        board->zoom = 1.0f;
        board->centreX = 0.5f;
        board->centreY = 0.375f;
        return board;
    }
};

}  // namespace

TEST_F(TallixTest, BoardEdgesAreOutsideTheBoard) {
    auto board = exactBoard();
    EXPECT_TRUE(board->hitTest(0.44f, 0.4f));
    EXPECT_FALSE(board->hitTest(0.4375f, 0.4f));
    EXPECT_FALSE(board->hitTest(0.5625f, 0.4f));
    EXPECT_FALSE(board->hitTest(0.5f, 0.4375f));
    EXPECT_FALSE(board->hitTest(0.5f, 0.3125f));
}

TEST_F(TallixTest, HitCellTakesLeftAndTopEdgesOnly) {
    auto board = exactBoard();
    int column = -1;
    int row = -1;
    EXPECT_EQ(board->hitCell(0.4375f, 0.4375f, &column, &row), board->cellAt(0, 0));
    EXPECT_EQ(column, 0);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(board->hitCell(0.5f, 0.375f, &column, &row), board->cellAt(1, 1));
    EXPECT_EQ(column, 1);
    EXPECT_EQ(row, 1);
    column = row = -1;
    EXPECT_EQ(board->hitCell(0.5625f, 0.4f, &column, &row), nullptr);
    EXPECT_EQ(board->hitCell(0.45f, 0.3125f, &column, &row), nullptr);
    EXPECT_EQ(column, -1);  // untouched off the board
    EXPECT_EQ(row, -1);
}

TEST_F(TallixTest, EntriesCountOnlyInPlayableCells) {
    auto board = load("Fixed", levelFile({"0\\9 7\\0 f4", "p u u"}));
    EXPECT_FALSE(board->hasEntries());  // the fixed 4 is not an entry
    playable(*board, 0, 1).marks[2] = true;
    EXPECT_FALSE(board->hasEntries());  // neither is a mark
    enter(playable(*board, 0, 1), 9);
    EXPECT_TRUE(board->hasEntries());
}

TEST_F(TallixTest, ResetClearsEntriesMarksAndRunsButNotTheLevel) {
    auto board = load("Reset", levelFile({"0\\9 12\\0 f4 p", "p   u     u  u"}));
    enter(playable(*board, 0, 1), 9);
    enter(playable(*board, 3, 0), 8);
    playable(*board, 3, 0).marks = {true, true, true, true, true, true, true, true, true};
    ASSERT_TRUE(board->runs[0]->complete);
    board->resetEntries();
    EXPECT_EQ(playable(*board, 0, 1).value, 0);
    EXPECT_EQ(playable(*board, 3, 0).value, 0);
    EXPECT_EQ(playable(*board, 3, 0).marks, (std::array<bool, 9>{}));
    EXPECT_EQ(asLocked(board->cellAt(2, 0))->value, 4);
    EXPECT_EQ(asHeader(board->cellAt(1, 0))->acrossSum, 12);
    for (const auto& run : board->runs) {
        EXPECT_FALSE(run->complete || run->over || run->duplicate || run->currentSum != 0);
    }
}

TEST_F(TallixTest, SolvedWhenEveryRunAddsUp) {
    auto board = load("Square", levelFile(squareGrid()));
    EXPECT_FALSE(board->isSolved());
    // 1 3 / 2 4: across 4 and 6, down 3 and 7.
    enter(playable(*board, 1, 1), 1);
    enter(playable(*board, 2, 1), 3);
    enter(playable(*board, 1, 2), 2);
    EXPECT_FALSE(board->isSolved());
    enter(playable(*board, 2, 2), 4);
    EXPECT_TRUE(board->isSolved());
    enter(playable(*board, 2, 2), 5);
    EXPECT_FALSE(board->isSolved());
}

TEST_F(TallixTest, CellsOutsideRunsDoNotMatterButEmptyRunsBlock) {
    auto loose = load("Loose", levelFile({"5\\0 p", "u   p"}));
    enter(playable(*loose, 1, 0), 5);
    EXPECT_TRUE(loose->isSolved());  // the lower playable cell belongs to no run

    auto blocked = load("Blocked", levelFile({"5\\0 p 3\\0"}));
    enter(playable(*blocked, 1, 0), 5);
    EXPECT_FALSE(blocked->isSolved());  // the clue at the edge has a run with no cells
}

TEST(FormatTimeTest, MinutesAndSecondsWithLeadingZeros) {
    EXPECT_EQ(formatTime(0), "00:00");
    EXPECT_EQ(formatTime(59), "00:59");
    EXPECT_EQ(formatTime(75), "01:15");
    EXPECT_EQ(formatTime(600), "10:00");
    EXPECT_EQ(formatTime(3600), "60:00");
    EXPECT_EQ(formatTime(6000), "100:00");
}
