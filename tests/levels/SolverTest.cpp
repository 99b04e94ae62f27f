#include "solver/Solver.h"

#include "tests/levels/GridText.h"
#include "tools/levels/Analysis.h"

using namespace levels;
using levelstest::gridFromText;
using levelstest::square;
using namespace testsupport;

namespace {

SolveResult solveText(const std::vector<std::string>& rows, int limit = 2) {
    return CSolver(buildModel(gridFromText(rows))).solve(limit);
}

}  // namespace

// Solutions are counted up to the limit. Runs that disagree (rows add up to 6, columns to 8), a
// clue with no cell after it, a run longer than nine cells, fixed digits that repeat in a run, a
// fixed cell without a digit (as the game reads one outside 1 to 9): no solution. A fixed 1 picks
// one of the two fillings.
TEST(CSolver, CountsSolutionsUpToTheLimitAndFixedCellsAreGivenDigits) {
    const SolverModel model = buildModel(gridFromText(squareGrid()));
    const SolveResult one = CSolver(model).solve(2);
    EXPECT_EQ(one.solutions, 1);
    EXPECT_EQ(digitsOf(model, one.first), (std::vector<int>{0, 0, 0, 0, 1, 3, 0, 2, 4}));
    // Every run is 1 + 2: the square can be filled two ways; a limit of one stops at the first.
    const SolveResult two = solveText(square("0\\3 0\\3"));
    EXPECT_EQ(two.solutions, 2);
    EXPECT_NE(two.first, two.second);
    EXPECT_EQ(solveText(square("0\\3 0\\3"), 1).solutions, 1);
    // The lone playable cell at the right, outside every run, takes any digit.
    EXPECT_EQ(solveText({"u 0\\3 0\\4 u u", "3\\0 p p u p", "4\\0 p p u u"}).solutions, 2);

    for (const auto& rows : {square("0\\4 0\\4"), {"u 0\\3 0\\3 u", "3\\0 p p 5\\0", "3\\0 p p u"},
                             {"u 0\\3 0\\3 0\\3 0\\3 0\\3 0\\3 0\\3 0\\3 0\\3 0\\3", "45\\0 p p p p p p p p p p",
                              "45\\0 p p p p p p p p p p"},
                             square("0\\3 0\\3", "f1 f1"), square("0\\3 0\\3", "f0 p")})
        EXPECT_EQ(solveText(rows).solutions, 0) << rows[1];  // no filling
    const SolverModel hinted = buildModel(gridFromText(square("0\\3 0\\3", "f1 p")));
    const SolveResult fixed = CSolver(hinted).solve(2);
    EXPECT_EQ(fixed.solutions, 1);
    EXPECT_EQ(digitsOf(hinted, fixed.first)[8], 1);
}

TEST(CSolver, SearchesWhenReasoningStallsAndReportsValidFillings) {
    // Rows and columns of 15 in a 3 x 3 square: many fillings, none decided by reasoning alone.
    const CLevelGrid grid = gridFromText({"u 0\\15 0\\15 0\\15", "15\\0 p p p", "15\\0 p p p", "15\\0 p p p"});
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
    // A budget of three nodes stops the search, and says so.
    const SolveResult stopped = CSolver(model).solve(1000, 3);
    EXPECT_FALSE(stopped.complete);
    EXPECT_LE(stopped.nodes, 3u);
    EXPECT_TRUE(result.complete);
}
