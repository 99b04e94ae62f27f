#include "solver/Solver.h"

#include <gtest/gtest.h>

#include "tests/levels/GridText.h"
#include "tools/levels/Analysis.h"

using namespace levels;
using levelstest::gridFromText;

namespace {

SolveResult solveText(const std::vector<std::string>& rows, int limit = 2) {
    const SolverModel model = buildModel(gridFromText(rows));
    return CSolver(model).solve(limit);
}

std::vector<int> solvedDigits(const std::vector<std::string>& rows) {
    const CLevelGrid grid = gridFromText(rows);
    const SolverModel model = buildModel(grid);
    return digitsOf(model, CSolver(model).solve().first);
}

}  // namespace

TEST(CSolver, FindsTheOnlySolution) {
    const std::vector<std::string> rows = {"#   3\\  4\\", "\\3  .   .", "\\4  .   ."};
    const SolveResult result = solveText(rows);
    EXPECT_EQ(result.solutions, 1);
    const std::vector<int> digits = solvedDigits(rows);
    EXPECT_EQ(digits[4], 2);  // a + b = 3, a + c = 3, b + d = 4, c + d = 4
    EXPECT_EQ(digits[5], 1);
    EXPECT_EQ(digits[7], 1);
    EXPECT_EQ(digits[8], 3);
}

TEST(CSolver, StopsAtTheSecondSolution) {
    // Every run is 1 + 2: the square can be filled two ways.
    const SolveResult result = solveText({"#  3\\ 3\\", "\\3 . .", "\\3 . ."});
    EXPECT_EQ(result.solutions, 2);
    EXPECT_NE(result.first, result.second);
    EXPECT_EQ(solveText({"#  3\\ 3\\", "\\3 . .", "\\3 . ."}, 1).solutions, 1);
}

TEST(CSolver, NoSolutionWhenRunsDisagree) {
    // The rows add up to 6 and the columns to 8, though each run on its own is fine.
    EXPECT_EQ(solveText({"#  4\\ 4\\", "\\3 . .", "\\3 . ."}).solutions, 0);
    // A clue with no cell after it can never be completed.
    EXPECT_EQ(solveText({"#  3\\ 3\\ #", "\\3 . . \\5", "\\3 . . #"}).solutions, 0);
    // A run longer than nine cells has no combination.
    EXPECT_EQ(solveText({"#  3\\ 3\\ 3\\ 3\\ 3\\ 3\\ 3\\ 3\\ 3\\ 3\\",
                         "\\45 . . . . . . . . . .", "\\45 . . . . . . . . . ."}).solutions, 0);
}

TEST(CSolver, FixedCellsAreGivenDigits) {
    // The fixed 1 picks one of the two fillings of the square.
    const std::vector<std::string> rows = {"#  3\\ 3\\", "\\3 =1 .", "\\3 . ."};
    EXPECT_EQ(solveText(rows).solutions, 1);
    EXPECT_EQ(solvedDigits(rows)[8], 1);
    // Two fixed digits that repeat in a run, or a fixed digit outside 1 to 9, leave nothing.
    EXPECT_EQ(solveText({"#  3\\ 3\\", "\\3 =1 =1", "\\3 . ."}).solutions, 0);
    EXPECT_EQ(solveText({"#  3\\ 3\\", "\\3 =0 .", "\\3 . ."}).solutions, 0);
}

TEST(CSolver, CellOutsideEveryRunIsFree) {
    // The lone playable cell at the right takes any digit.
    EXPECT_EQ(solveText({"#  3\\ 4\\ # #", "\\3 . . # .", "\\4 . . # #"}).solutions, 2);
}

TEST(CSolver, SearchesWhenReasoningStallsAndReportsValidFillings) {
    // Rows and columns of 15 in a 3 x 3 square: many fillings, none decided by reasoning alone.
    const CLevelGrid grid = gridFromText({"# 15\\ 15\\ 15\\", "\\15 . . .", "\\15 . . .", "\\15 . . ."});
    const SolverModel model = buildModel(grid);
    const SolveResult result = CSolver(model).solve(2);
    ASSERT_EQ(result.solutions, 2);
    EXPECT_GT(result.nodes, 1u);
    for (const Domains* solution : {&result.first, &result.second}) {
        for (const RunShape& run : grid.runs()) {
            int sum = 0;
            DigitMask seen = 0;
            for (int cell : run.cells) {
                const DigitMask digit = (*solution)[model.varOf[cell]];
                ASSERT_TRUE(isSingle(digit));
                EXPECT_FALSE(seen & digit);
                seen |= digit;
                sum += lowestDigit(digit);
            }
            EXPECT_EQ(sum, run.sum);
        }
    }
}

TEST(CSolver, NodeBudgetStopsTheSearchAndSaysSo) {
    const std::vector<std::string> square = {"# 15\\ 15\\ 15\\", "\\15 . . .", "\\15 . . .", "\\15 . . ."};
    const SolverModel model = buildModel(gridFromText(square));
    const SolveResult stopped = CSolver(model).solve(1000, 3);
    EXPECT_FALSE(stopped.complete);
    EXPECT_LE(stopped.nodes, 3u);
    EXPECT_TRUE(CSolver(model).solve(2).complete);
}
