#include "solver/Grader.h"

#include <gtest/gtest.h>

#include "tests/levels/GridText.h"
#include "solver/Generator.h"
#include "solver/Solver.h"

using namespace levels;
using levelstest::gridFromText;

TEST(Grader, PlainLevelNeedsOnlyBasicReasoning) {
    const Grade grade = gradeLevel(buildModel(gridFromText({"#   3\\  4\\", "\\3  .   .", "\\4  .   ."})));
    EXPECT_TRUE(grade.solved);
    EXPECT_EQ(grade.hardest, 1);
    EXPECT_GT(grade.score, 0);
    EXPECT_EQ(grade.openCells(), 0);
}

TEST(Grader, AmbiguousAndImpossibleLevelsAreNeverSolved) {
    const Grade twoWays = gradeLevel(buildModel(gridFromText({"#  3\\ 3\\", "\\3 . .", "\\3 . ."})));
    EXPECT_FALSE(twoWays.solved);
    EXPECT_FALSE(twoWays.contradiction);
    EXPECT_EQ(twoWays.openCells(), 4);

    const Grade none = gradeLevel(buildModel(gridFromText({"#  4\\ 4\\", "\\3 . .", "\\3 . ."})));
    EXPECT_FALSE(none.solved);
    EXPECT_TRUE(none.contradiction);

    const Grade badFixed = gradeLevel(buildModel(gridFromText({"#  3\\ 3\\", "\\3 =12 .", "\\3 . ."})));
    EXPECT_TRUE(badFixed.contradiction);
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
        if (wanted != Technique::basic) {
            EXPECT_FALSE(gradeLevel(model, Technique(int(wanted) - 1)).solved) << difficulty;
        }
        const SolveResult solved = CSolver(model).solve(2);
        ASSERT_EQ(solved.solutions, 1);
        EXPECT_EQ(full.domains, solved.first) << difficulty;
    }
}

TEST(Grader, LookaheadFinishesWhatTheExactRuleLeaves) {
    GeneratedLevel level;
    ASSERT_TRUE(generateLevel({8, 8, 5, 7, 0}, level));
    const SolverModel model = buildModel(level.grid);
    Domains domains = model.start;
    EXPECT_TRUE(settleWithLookahead(model, domains));
    EXPECT_EQ(domains, CSolver(model).solve().first);
    EXPECT_GT(gradeLevel(model).steps[4], 0);
}
