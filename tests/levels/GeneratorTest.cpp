#include "solver/Generator.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "puzzle/StartingView.h"
#include "tools/levels/Analysis.h"
#include "solver/LevelFile.h"

using namespace levels;

namespace {

// Shape rules of a generated level, beyond what CLevelGrid::faults checks: blocked top row and left
// column, point symmetry of the blocked cells, runs of 2 to 9 cells, no clue without a sum.
void expectWellShaped(const CLevelGrid& grid, const std::string& what) {
    auto blocked = [&](int x, int y) { return grid.at(x, y).kind == gridClue || grid.at(x, y).kind == gridUnused; };
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const bool mirror = x == 0 || y == 0 || blocked(grid.width() - x, grid.height() - y);  // the edge is blocked
            EXPECT_EQ(blocked(x, y), mirror) << what << " " << x << "," << y;
            EXPECT_TRUE(grid.at(x, y).kind != gridClue || grid.at(x, y).across > 0 || grid.at(x, y).down > 0) << what;
        }
    for (const RunShape& run : grid.runs()) EXPECT_TRUE(run.cells.size() >= 2 && run.cells.size() <= 9) << what;
}

}  // namespace

// The same seed draws the same level and another seed another; fixed cells are hints, not what
// makes the level unique.
TEST(Generator, SameSeedSameLevelAndFixedCellsAreOnlyHints) {
    GeneratedLevel a, b, c;
    ASSERT_TRUE(generateLevel({10, 9, 3, 1234, 0}, a));
    ASSERT_TRUE(generateLevel({10, 9, 3, 1234, 0}, b));
    ASSERT_TRUE(generateLevel({10, 9, 3, 1235, 0}, c));
    EXPECT_EQ(encodeLevel(a.grid), encodeLevel(b.grid));
    EXPECT_NE(encodeLevel(a.grid), encodeLevel(c.grid));
    // A mask with no cell set draws the level no mask draws: boards the captions miss keep their bytes.
    GeneratedLevel d;
    ASSERT_TRUE(generateLevel({10, 9, 3, 1234, 0, std::vector<bool>(90, false)}, d));
    EXPECT_EQ(encodeLevel(a.grid), encodeLevel(d.grid));
    // Boards too small for any run, and masks that are not one per cell, give nothing.
    for (GeneratorOptions bad : {GeneratorOptions{2, 2, 1, 1, 0}, {3, 2, 1, 1, 0}, {5, 5, 1, 1, 0, std::vector<bool>(24, false)}})
        EXPECT_FALSE(generateLevel(bad, d)) << bad.width << "x" << bad.height;

    GeneratedLevel level;
    ASSERT_TRUE(generateLevel({9, 9, 3, 77, 4}, level));
    EXPECT_EQ(level.grid.count(gridFixed), 4);
    EXPECT_TRUE(level.grid.faults().empty());  // every run keeps a playable cell
    CLevelGrid withoutHints = level.grid;
    for (int y = 0; y < withoutHints.height(); ++y) {
        for (int x = 0; x < withoutHints.width(); ++x) {
            GridCell& cell = withoutHints.at(x, y);
            if (cell.kind != gridFixed) continue;
            EXPECT_EQ(cell.digit, level.solution[withoutHints.index(x, y)]);
            cell = GridCell();
            cell.kind = gridPlayable;
        }
    }
    EXPECT_EQ(analyseLevel(withoutHints).solve.solutions, 1);
}

TEST(Generator, LevelsOfEverySizeAreUniqueAndWellShaped) {
    const struct { int width, height, difficulty; } cases[] = {
        {4, 4, 1}, {5, 5, 1}, {6, 6, 2}, {8, 7, 2}, {10, 10, 3},
        {15, 10, 3}, {18, 11, 3}, {20, 11, 2}, {20, 11, 4}};
    for (const auto& size : cases) {
        const std::vector<bool> keepUnused = startingView::cellsUnderCaptions(size.width, size.height);
        EXPECT_TRUE(size.width < 18 || std::count(keepUnused.begin(), keepUnused.end(), true) > 0);
        for (uint64_t seed = 1; seed <= 3; ++seed) {
            const std::string what = std::to_string(size.width) + "x" + std::to_string(size.height) +
                                     " d" + std::to_string(size.difficulty) + " seed " + std::to_string(seed);
            GeneratedLevel level;
            ASSERT_TRUE(generateLevel({size.width, size.height, size.difficulty, seed, 0, keepUnused}, level))
                << what;
            for (size_t i = 0; i < keepUnused.size(); ++i)
                EXPECT_TRUE(!keepUnused[i] || level.grid.cell(int(i)).kind == gridUnused) << what << " " << i;
            EXPECT_EQ(level.grid.width(), size.width);
            EXPECT_EQ(level.grid.height(), size.height);
            const Analysis analysis = analyseLevel(level.grid);
            EXPECT_EQ(analysis.solve.solutions, 1) << what;
            EXPECT_TRUE(analysis.faults.empty()) << what;
            EXPECT_TRUE(level.grade.solved) << what;
            EXPECT_EQ(digitsOf(buildModel(level.grid), analysis.solve.first), level.solution) << what;
            expectWellShaped(level.grid, what);
        }
    }
}

