#include "solver/LevelFile.h"

#include "tests/levels/GridText.h"

using namespace levels;
using levelstest::gridFromText;
using namespace testsupport;

// The tools write the bytes the game reads: a grid with every kind of cell comes back from the
// game as it was, with the same runs in the same order.
TEST(LevelFile, TheGameReadsBackWhatTheToolsWrite) {
    const std::vector<std::string> rows = {"u 0\\17 0\\6 u", "9\\0 p p 0\\4", "11\\0 f8 p p", "u 10\\0 p p"};
    const CLevelGrid grid = gridFromText(rows);
    EXPECT_EQ(encodeLevel(grid), levelFile(rows));
    CTallix board;
    const std::vector<uint8_t> bytes = encodeLevel(grid);
    ASSERT_TRUE(board.readLevel(bytes.data(), bytes.size()));
    const std::vector<RunShape> runs = grid.runs();
    ASSERT_EQ(board.runs.size(), runs.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(board.runs[i]->targetSum, runs[i].sum);
        EXPECT_EQ(board.runs[i]->direction == runAcross, runs[i].across);
        EXPECT_EQ(board.runs[i]->cells.size(), runs[i].cells.size());
    }
}
