// The combination helper's lists at the edges of sums and lengths, with entered digits ruling sets
// out; and hints in play: thirty seconds each, counted, marked until the board changes.
#include <gtest/gtest.h>

#include "game/CombinationBox.h"
#include "tests/support/PlayFixtures.h"

using namespace testsupport;

TEST(Combinations, ListsEverySetWithEnteredDigitsRulingSetsOut) {
    struct Row {
        int sum, length;
        std::vector<int> entered;
        std::string sets;  // ruled-out sets in brackets
    } rows[] = {
        {3, 2, {0, 0}, "1 2"},
        {45, 9, {}, "1 2 3 4 5 6 7 8 9"},
        {16, 2, {0, 0}, "7 9"},
        {17, 3, {0, 0, 0}, "1 7 9|2 6 9|2 7 8|3 5 9|3 6 8|4 5 8|4 6 7"},
        {17, 3, {0, 9, 0}, "1 7 9|2 6 9|(2 7 8)|3 5 9|(3 6 8)|(4 5 8)|(4 6 7)"},
        {10, 3, {2, 0, 2}, "(1 2 7)|(1 3 6)|(1 4 5)|(2 3 5)"},  // a repeated digit rules out all
        {2, 2, {0, 0}, ""},
        {46, 9, {}, ""},
        {5, 10, {}, ""},
    };
    for (const Row& row : rows) {
        RunCombinations list = combinationsFor(row.sum, row.length, row.entered);
        std::string text;
        for (size_t i = 0; i < list.sets.size(); ++i)
            text += (i ? "|" : "") + (list.ruledOut[i] ? "(" + setText(list.sets[i]) + ")" : setText(list.sets[i]));
        EXPECT_EQ(text, row.sets) << row.sum << " in " << row.length;
    }
}

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
