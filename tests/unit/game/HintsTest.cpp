// Hints in play: thirty seconds each, counted, marked until the board changes.
#include <gtest/gtest.h>

#include "tests/support/PlayFixtures.h"

using namespace testsupport;

// A hint costs thirty seconds and counts; it marks the cell it is about until the board changes;
// a wrong digit is pointed at first; on a complete board it costs nothing.
using GameHints = playtest::GameTest;
TEST_F(GameHints, AHintCostsThirtySecondsAndLastsUntilTheBoardChanges) {
    play();
    CTallix& board = this->board();
    game->takeHint();
    EXPECT_EQ(board.elapsed, 30000u);
    EXPECT_EQ(board.hintsTaken, 1);
    ASSERT_TRUE(board.hint.focus.valid());
    EXPECT_FALSE(board.hint.reason.empty());
    enter(playable(board, 2, 2), 9);
    game->takeHint();
    EXPECT_EQ(board.hint.reason, "This digit cannot be right");
    EXPECT_EQ(board.hint.focus, (CellPlace{2, 2}));
    board.mouseMove(cellCentreX(board, 2), cellCentreY(board, 2));
    board.wheel(-120);  // a change of the board: the hint is spent
    EXPECT_TRUE(board.hint.cells.empty());
    for (auto [column, row, value] : {std::tuple{1, 1, 1}, {2, 1, 3}, {1, 2, 2}, {2, 2, 4}}) enter(playable(board, column, row), value);
    game->takeHint();
    EXPECT_EQ(board.hintsTaken, 2);
    EXPECT_EQ(board.elapsed, 60000u);
}
