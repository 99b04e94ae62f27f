// Hints on a board as it stands: a wrong digit first, then the plainest step with its reason.
// Following the hints solves every level, and never needs more than the level's grade.
#include "solver/Hint.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "solver/Generator.h"
#include "solver/Solver.h"
#include "tests/levels/GridText.h"

using namespace levels;
using levelstest::gridFromText;

TEST(Hint, WrongDigitFirstThenTheReasonOfTheStep) {
    CLevelGrid grid = gridFromText({"u 0\\3 0\\4", "3\\0 p p", "4\\0 p p"});
    std::vector<int> solution = uniqueSolution(grid), entered(solution.size(), 0);
    Hint hint = findHint(grid, entered, solution);
    EXPECT_EQ(hint.kind, Hint::nextDigit);
    EXPECT_EQ(hint.cell, 5);  // column 2, row 1: the down run already holds it to 1 or 3
    EXPECT_EQ(hint.digit, 1);
    EXPECT_EQ(hint.reason, "Only 1 + 2 makes 3 in two cells");
    EXPECT_EQ(hint.cells, (std::vector<int>{3, 4, 5}));  // the across clue and its run

    entered[4] = 2;
    hint = findHint(grid, entered, solution);
    EXPECT_EQ(hint.reason, "1 completes the 3 of this run");
    entered[7] = 3;  // should be 1
    hint = findHint(grid, entered, solution);
    EXPECT_EQ(hint.kind, Hint::wrongDigit);
    EXPECT_EQ(hint.cell, 7);
    EXPECT_EQ(hint.reason, "This digit cannot be right");
    hint = findHint(grid, entered, {});  // without a solution: the run that cannot add up
    EXPECT_EQ(hint.kind, Hint::blocked);
    EXPECT_EQ(hint.reason, "The digits in this run cannot all be right");
}

// Two blocks, each filled either way round: reasoning stops even with one of them entered. Only
// digits not checked against a solution can be what blocks the way.
TEST(Hint, WithoutAStepOnlyUncheckedDigitsAreBlamed) {
    CLevelGrid grid = gridFromText({"u 0\\4 0\\4 u 0\\4 0\\4", "4\\0 p p 4\\0 p p", "4\\0 p p 4\\0 p p"});
    const std::vector<int> none(18, 0), left = {0, 0, 0, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0, 3, 1, 0, 0, 0};
    const std::vector<int> solution = {0, 0, 0, 0, 0, 0, 0, 1, 3, 0, 1, 3, 0, 3, 1, 0, 3, 1};
    const struct { std::vector<int> entered, solution; const char* reason; std::vector<int> cells; } rows[] = {
        {none, {}, "No step by reasoning from here", {}},
        {left, solution, "No step by reasoning from here", {}},
        {left, {}, "No single step from here: these digits block the way", {7, 8, 13, 14}},
    };
    for (const auto& row : rows) {
        Hint hint = findHint(grid, row.entered, row.solution);
        EXPECT_EQ(hint.kind, Hint::blocked);
        EXPECT_EQ(hint.reason, row.reason);
        EXPECT_EQ(hint.cells, row.cells);
    }
}

// Every technique gives its own reason on some level, and no hint needs more than the grade.
TEST(Hint, FollowingTheHintsSolvesEveryLevelWithinItsGrade) {
    std::map<int, std::string> reasonOf;  // technique: a reason it gave
    for (int difficulty = 1; difficulty <= 5; ++difficulty) {
        GeneratedLevel level;
        ASSERT_TRUE(generateLevel({10, 9, difficulty, 70u + difficulty, 0}, level));
        std::vector<int> solution = uniqueSolution(level.grid), entered(solution.size(), 0);
        for (Hint hint; (hint = findHint(level.grid, entered, solution)).kind != Hint::solved;) {
            ASSERT_EQ(hint.kind, Hint::nextDigit) << hint.reason;
            ASSERT_EQ(hint.digit, solution[size_t(hint.cell)]) << hint.reason;
            ASSERT_LE(hint.technique, level.grade.hardest) << hint.reason;
            entered[size_t(hint.cell)] = hint.digit;
            reasonOf[hint.technique] = hint.reason;
        }
    }
    EXPECT_NE(reasonOf[2].find("is needed in this run and fits only here"), std::string::npos);
    EXPECT_NE(reasonOf[3].find(" here lets this run make "), std::string::npos);
    EXPECT_NE(reasonOf[4].find("Any digit but "), std::string::npos);
}
