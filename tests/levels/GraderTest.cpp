#include "solver/Grader.h"

#include "solver/Generator.h"
#include "solver/Solver.h"
#include "tests/levels/GridText.h"

using namespace levels;
using levelstest::gridFromText;
using levelstest::square;
using namespace testsupport;

// The square board needs only basic reasoning; a square of 3s has two fillings, one of 4s and 3s
// none, and a fixed cell without a digit contradicts its runs: none is ever solved.
TEST(Grader, PlainLevelNeedsOnlyBasicReasoningAndNoOtherIsSolved) {
    const Grade grade = gradeLevel(buildModel(gridFromText(squareGrid())));
    EXPECT_TRUE(grade.solved);
    EXPECT_EQ(grade.hardest, 1);
    EXPECT_GT(grade.score, 0);
    EXPECT_EQ(grade.openCells(), 0);
    for (auto [rows, contradiction, open] : {std::tuple{square("0\\3 0\\3"), false, 4}, {square("0\\4 0\\4"), true, -1},
                                             {square("0\\3 0\\3", "f0 p"), true, -1}}) {
        const Grade failed = gradeLevel(buildModel(gridFromText(rows)));
        EXPECT_FALSE(failed.solved) << rows[0] << " " << rows[1];
        EXPECT_EQ(failed.contradiction, contradiction) << rows[0] << " " << rows[1];
        if (open >= 0) { EXPECT_EQ(failed.openCells(), open); }
    }
}

TEST(Grader, HarderLevelsNeedTheirTechniqueAndReasoningAgreesWithTheSolver) {
    for (int difficulty = 1; difficulty <= 5; ++difficulty) {
        GeneratedLevel level;
        ASSERT_TRUE(generateLevel({9, 8, difficulty, 40u + difficulty, 0}, level));
        const SolverModel model = buildModel(level.grid);
        const Technique wanted = difficultyProfile(difficulty).technique;
        const Grade full = gradeLevel(model, wanted);
        ASSERT_TRUE(full.solved) << difficulty;
        EXPECT_EQ(full.hardest, int(wanted)) << difficulty;
        if (wanted != Technique::basic) { EXPECT_FALSE(gradeLevel(model, Technique(int(wanted) - 1)).solved) << difficulty; }
        const SolveResult solved = CSolver(model).solve(2);
        ASSERT_EQ(solved.solutions, 1);
        EXPECT_EQ(full.domains, solved.first) << difficulty;
        if (wanted != Technique::lookahead) continue;
        Domains domains = model.start;  // lookahead finishes what the exact rule leaves
        EXPECT_TRUE(settleWithLookahead(model, domains));
        EXPECT_EQ(domains, solved.first);
        EXPECT_GT(full.steps[4], 0);
    }
}
