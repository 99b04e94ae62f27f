// The board model: hit tests at the edges, entries, resetting and the solved test.
#include "puzzle/Tallix.h"

#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

using TallixTest = GameFolderTest;

// A 2 x 2 board laid out on exact binary fractions: cells 0.0625 wide, spanning x 0.4375 to 0.5625
// and y 0.3125 to 0.4375. The right and bottom edges are outside; the left and top edges are
// outside the board but inside the first cell. Only digits in playable cells are entries: not a
// fixed digit, not a mark; reset clears entries, marks and runs but not the level. Solved when
// every run adds up: cells outside runs do not matter, a run without cells blocks.
TEST_F(TallixTest, HitTestsResetAndTheSolvedTest) {
    auto board = loadBoard("Exact", levelFile({"3\\4 p", "p u"}));
    board->cellSize = 0.0625f;
    board->zoom = 1.0f;
    board->centreX = 0.5f;
    board->centreY = 0.375f;
    EXPECT_TRUE(board->hitTest(0.44f, 0.4f));
    for (auto [x, y] : {std::pair{0.4375f, 0.4f}, {0.5625f, 0.4f}, {0.5f, 0.4375f}, {0.5f, 0.3125f}})
        EXPECT_FALSE(board->hitTest(x, y)) << x << " " << y;

    struct Probe { float x, y; int column, row; };
    for (Probe p : {Probe{0.4375f, 0.4375f, 0, 0}, Probe{0.5f, 0.375f, 1, 1}, Probe{0.5625f, 0.4f, -1, -1},
                    Probe{0.45f, 0.3125f, -1, -1}}) {
        int column = -1, row = -1;  // untouched off the board
        PCell* expected = p.column < 0 ? nullptr : board->cellAt(p.column, p.row);
        EXPECT_EQ(board->hitCell(p.x, p.y, &column, &row), expected) << p.x << " " << p.y;
        EXPECT_EQ(column, p.column);
        EXPECT_EQ(row, p.row);
    }

    board = loadBoard("Reset", levelFile({"0\\9 12\\0 f4 p", "p   u     u  u"}));
    EXPECT_FALSE(board->hasEntries());
    playable(*board, 3, 0).marks.fill(true);
    EXPECT_FALSE(board->hasEntries());
    enter(playable(*board, 0, 1), 9);
    EXPECT_TRUE(board->hasEntries());
    enter(playable(*board, 3, 0), 8);
    ASSERT_TRUE(board->runs[0]->complete);
    board->resetEntries();
    EXPECT_FALSE(board->hasEntries());
    EXPECT_EQ(playable(*board, 3, 0).marks, (std::array<bool, 9>{}));
    EXPECT_EQ(asLocked(board->cellAt(2, 0))->value, 4);
    EXPECT_EQ(asHeader(board->cellAt(1, 0))->acrossSum, 12);
    for (const auto& run : board->runs)
        EXPECT_FALSE(run->complete || run->over || run->duplicate || run->currentSum != 0);

    board = loadBoard("Square", levelFile(squareGrid()));
    EXPECT_FALSE(board->isSolved());
    solve(*board);
    EXPECT_TRUE(board->isSolved());
    enter(playable(*board, 2, 2), 0);
    EXPECT_FALSE(board->isSolved());
    enter(playable(*board, 2, 2), 5);
    EXPECT_FALSE(board->isSolved());

    auto loose = loadBoard("Loose", levelFile({"5\\0 p", "u   p"}));
    enter(playable(*loose, 1, 0), 5);
    EXPECT_TRUE(loose->isSolved());
    auto blocked = loadBoard("Blocked", levelFile({"5\\0 p 3\\0"}));
    enter(playable(*blocked, 1, 0), 5);
    EXPECT_FALSE(blocked->isSolved());
}

}  // namespace
