#include "solver/LevelFile.h"

#include <gtest/gtest.h>

#include "puzzle/Tallix.h"
#include "tests/levels/GridText.h"

using namespace levels;
using levelstest::gridFromText;

TEST(LevelFile, SmallestExampleIsTwentyBytes) {
    CLevelGrid grid(2, 2);
    grid.at(0, 0) = {gridClue, 3, 4, 0};
    grid.at(1, 0).kind = gridPlayable;
    grid.at(0, 1).kind = gridPlayable;
    const std::vector<uint8_t> expected = {'G', 'R', 'D', '1', 'B', 0, 2, 2, 0, 3, 4, 1, 1, 2,
                                           'G', 'R', 'D', '1', 'E', 0};
    EXPECT_EQ(encodeLevel(grid), expected);
}

TEST(LevelFile, TheGameReadsBackWhatTheToolsWrite) {
    const CLevelGrid grid = gridFromText({"#   17\\ 6\\  #",
                                          "\\9  .    .   4\\",
                                          "\\11 =8   .   .",
                                          "#   \\10 .   ."});
    const std::vector<uint8_t> bytes = encodeLevel(grid);
    CTallix board;
    ASSERT_TRUE(board.readLevel(bytes.data(), bytes.size()));
    ASSERT_EQ(board.width, grid.width());
    ASSERT_EQ(board.height, grid.height());
    for (int x = 0; x < grid.width(); ++x) {
        for (int y = 0; y < grid.height(); ++y) {
            const GridCell& cell = grid.at(x, y);
            PCell* read = board.grid[x][y].get();
            ASSERT_EQ(read->kind, cell.kind) << x << "," << y;
            if (PCellHeader* clue = asHeader(read)) {
                EXPECT_EQ(clue->acrossSum, cell.across);
                EXPECT_EQ(clue->downSum, cell.down);
            }
            if (cell.kind == gridFixed) {
                EXPECT_EQ(static_cast<PCellLocked*>(read)->value, cell.digit);
            }
        }
    }
    // The game builds the same runs, in the same order, as the tools.
    const std::vector<RunShape> runs = grid.runs();
    ASSERT_EQ(board.runs.size(), runs.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(board.runs[i]->targetSum, runs[i].sum);
        EXPECT_EQ(board.runs[i]->direction == runAcross, runs[i].across);
        EXPECT_EQ(board.runs[i]->cells.size(), runs[i].cells.size());
    }
}
