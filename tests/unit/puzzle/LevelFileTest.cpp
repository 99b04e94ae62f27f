// Level files byte by byte: the header and trailer blocks, sizes, damaged files, the runs a grid
// builds and the records, limits and saved-game flag a board ends up with.
#include "puzzle/LevelFile.h"

#include <set>
#include <tuple>

#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

using LevelFileTest = GameFolderTest;

void writeRecords(const std::string& text) { writeText("Data/Levels/Recs.ini", text); }

// How the blocks are found; sizes, cut records and empty files are in the bad-input corpus
// (tests/badinput/level).
TEST(LevelFileParse, HeaderAndTrailerBlocks) {
    const Bytes grid = levelHeader() + Bytes{1, 1, 1};  // 1 x 1, a playable cell
    struct Row { const char* what; Bytes file; bool header; int width; bool trailer; };
    const Row rows[] = {
        {"letters then a non-zero byte", Bytes{'G', 'R', 'D', '1', 'B', 'x', 1, 1, 1} + levelTrailer(), true, 1, true},
        {"a byte then the letters", Bytes{'x', 'G', 'R', 'D', '1', 'B', 1, 1, 1} + levelTrailer(), true, 1, true},
        // a zero hides the letters: no grid, and the next six bytes are the trailer block
        {"zero before the letters", Bytes{'G', 0, 'G', 'R', 'D', '1'} + levelTrailer() + Bytes{9, 9}, false, 0, true},
        {"trailer letters late in the block", grid + Bytes{'z', 'G', 'R', 'D', '1', 'E'}, true, 1, true},
        {"trailer one byte late", grid + Bytes{0} + levelTrailer(), true, 1, false},
        {"header letters where the trailer belongs", grid + levelHeader(), true, 1, false},
        {"header only", levelHeader(), true, 0, false},
    };
    for (const Row& row : rows) {
        LevelImage level = parseLevelFile(row.file.data(), row.file.size());
        EXPECT_EQ(level.headerFound, row.header) << row.what;
        EXPECT_EQ(level.width, row.width) << row.what;
        EXPECT_EQ(level.cells.size(), size_t(row.width)) << row.what;
        EXPECT_EQ(level.trailerFound, row.trailer) << row.what;
    }
}

// The 2 x 2 example: clue (across 3, down 4) top left, playable top right and bottom left, unused
// bottom right. Recorded limits win over the derived ones unless gold is missing; a saved game
// beside the level is noticed.
TEST_F(LevelFileTest, ExampleLevelBuildsItsGridRunsAndLimits) {
    const Bytes example = levelHeader() + Bytes{2, 2, 0x00, 0x03, 0x04, 0x01, 0x01, 0x02} + levelTrailer();
    ASSERT_EQ(levelFile({"3\\4 p", "p u"}), example);
    bool result = false;
    auto board = loadBoard("Example", example, &result);
    EXPECT_TRUE(result && board->loaded);
    EXPECT_EQ(board->name, L"Example");
    ASSERT_EQ(std::make_pair(board->width, board->height), std::make_pair(2, 2));
    PCellHeader* clue = asHeader(board->cellAt(0, 0));
    ASSERT_NE(clue, nullptr);
    EXPECT_EQ(std::make_tuple(clue->acrossSum, clue->downSum, board->cellAt(1, 1)->kind), std::make_tuple(3, 4, kindUnused));

    ASSERT_EQ(board->runs.size(), 2u);
    const ::Run& across = *board->runs[0];
    const ::Run& down = *board->runs[1];
    EXPECT_EQ(std::make_tuple(across.direction, across.targetSum, across.clue), std::make_tuple(runAcross, 3, clue));
    EXPECT_EQ(across.cells, std::vector<PCellLocked*>{asLocked(board->cellAt(1, 0))});
    EXPECT_EQ(std::make_tuple(down.direction, down.targetSum, down.clue), std::make_tuple(runDown, 4, clue));
    EXPECT_EQ(down.cells, std::vector<PCellLocked*>{asLocked(board->cellAt(0, 1))});
    EXPECT_EQ(playable(*board, 1, 0).acrossRun, &across);
    EXPECT_EQ(playable(*board, 1, 0).downRun, nullptr);
    EXPECT_EQ(playable(*board, 0, 1).downRun, &down);
    // Limits per playable cell: 15, 20 and 30 seconds.
    EXPECT_EQ(std::make_tuple(board->gold, board->silver, board->bronze, board->userBest), std::make_tuple(30, 40, 60, 0));
    EXPECT_FALSE(board->savedGameExists);

    writeRecords("[Kept]\nGold=100\nSilver=200\nUser=95\n[Derived]\nGold=0\nSilver=50\nBronze=70\nUser=33\n");
    writeBytes(levels() / "Kept.gsv", bytesOf("GRD1BS"));
    auto kept = loadBoard("Kept", levelFile(squareGrid()));
    EXPECT_EQ(std::make_tuple(kept->gold, kept->silver, kept->bronze, kept->userBest), std::make_tuple(100, 200, 0, 95));
    EXPECT_TRUE(kept->savedGameExists);
    auto derived = loadBoard("Derived", levelFile(squareGrid()));
    EXPECT_EQ(std::make_tuple(derived->gold, derived->silver, derived->bronze, derived->userBest),
              std::make_tuple(60, 80, 120, 33));
    EXPECT_FALSE(derived->savedGameExists);
}

// A damaged or missing file keeps the name, the records and what cells it had, builds no runs,
// derives no limits, never looks for a saved game and never counts as solved. Of a grid cut short
// the missing records read as kind 0 (a clue) with sums 0.
TEST_F(LevelFileTest, DamagedFilesKeepTheirCellsAndRecordsButNeverCountAsSolved) {
    writeRecords("[Broken]\nGold=100\nSilver=200\nBronze=300\n[Gone]\nGold=10\nUser=7\n");
    writeBytes(levels() / "Broken.gsv", bytesOf("GRD1BS"));
    bool result = true;
    auto broken = loadBoard("Broken", levelHeader() + Bytes{2, 1} + cellRecords({"3\\0 p"}) + bytesOf("GRD1X"), &result);
    EXPECT_FALSE(result || broken->loaded);
    ASSERT_EQ(broken->width, 2);
    EXPECT_NE(asActive(broken->cellAt(1, 0)), nullptr);
    EXPECT_TRUE(broken->runs.empty());
    EXPECT_EQ(std::make_pair(broken->gold, broken->bronze), std::make_pair(100, 300));
    EXPECT_FALSE(broken->savedGameExists);
    EXPECT_FALSE(broken->isSolved());

    auto cut = loadBoard("Short", levelHeader() + Bytes{2, 2, 1, 3, 7}, &result);
    EXPECT_FALSE(result);
    EXPECT_NE(asActive(cut->cellAt(0, 0)), nullptr);
    EXPECT_EQ(asLocked(cut->cellAt(0, 1))->value, 7);
    EXPECT_EQ(asHeader(cut->cellAt(1, 1))->acrossSum, 0);
    EXPECT_EQ(asHeader(cut->cellAt(1, 0))->downSum, 0);
    EXPECT_FALSE(cut->isSolved());

    CTallix gone;
    EXPECT_FALSE(gone.loadLevel(L"Data\\Levels\\Gone.grd"));
    EXPECT_EQ(gone.name, L"Gone");
    EXPECT_EQ(std::make_tuple(gone.gold, gone.userBest, gone.width), std::make_tuple(10, 7, 0));
    EXPECT_FALSE(gone.isSolved());

    // A width beyond 49 reads as no columns: a board that takes no input.
    auto board = loadBoard("Narrow", levelHeader() + Bytes{50, 2} + cellRecords({"p", "p"}) + levelTrailer());
    ASSERT_EQ(board->width, 0);
    EXPECT_FALSE(board->hitTest(board->centreX, board->centreY));
    EXPECT_EQ(board->hitCell(board->centreX, board->centreY), nullptr);
    board->zoom = 0.0f;  // as a miniature of nothing would be laid out
    EXPECT_EQ(board->hitCell(board->centreX, board->centreY), nullptr);
    board->mouseMove(board->centreX, board->centreY);
    EXPECT_FALSE(board->buttonDown(board->centreX, board->centreY, 0));
    board->wheel(120);
    EXPECT_EQ(board->hoveredCell, nullptr);
    EXPECT_FALSE(board->hasEntries());
}

// Unknown kinds take no payload and become unused cells of their own; fixed digits outside 1 to 9
// read as empty; fixed cells belong to runs but only playable ones count for the limits. Runs are
// built row by row in creation order: an unused cell ends a run at once, a down run passes a fixed
// cell, a clue at the right edge has none.
TEST_F(LevelFileTest, OddKindsFixedDigitsAndTheRunsBuilt) {
    bool result = false;
    auto odd = loadBoard("Odd", levelFile({"k4 k200", "p f5"}), &result);
    EXPECT_TRUE(result);
    EXPECT_EQ(std::set<PCell*>({odd->cellAt(0, 0), odd->cellAt(1, 0), odd->cellAt(0, 1), odd->cellAt(1, 1)}).size(), 4u);
    EXPECT_EQ(std::make_tuple(odd->cellAt(0, 0)->kind, odd->cellAt(1, 0)->kind, odd->cellAt(0, 1)->kind),
              std::make_tuple(kindUnused, kindUnused, kindPlayable));
    EXPECT_EQ(asLocked(odd->cellAt(1, 1))->value, 5);

    auto fixed = loadBoard("Fixed", levelFile({"12\\0 f3 f0 f10 f255 p"}));
    for (auto [x, digit] : {std::pair{1, 3}, {2, 0}, {3, 0}, {4, 0}}) EXPECT_EQ(asLocked(fixed->cellAt(x, 0))->value, digit) << x;
    ASSERT_EQ(fixed->runs.size(), 1u);
    EXPECT_EQ(fixed->runs[0]->cells.size(), 5u);
    EXPECT_EQ(fixed->gold, 15);

    auto board = loadBoard("Runs", levelFile({"u     5\\9   0\\4  u     3\\0",
                                              "3\\0  p      p     u     u",
                                              "8\\0  p      f2    u     u"}));
    std::vector<std::tuple<int, int, size_t>> seen;
    for (const auto& run : board->runs) seen.emplace_back(run->targetSum, run->direction, run->cells.size());
    EXPECT_EQ(seen, (std::vector<std::tuple<int, int, size_t>>{{5, runAcross, 0}, {9, runDown, 2}, {4, runDown, 2},
                                                               {3, runAcross, 0}, {3, runAcross, 2}, {8, runAcross, 2}}));
    ASSERT_EQ(board->runs.size(), 6u);
    EXPECT_EQ(asLocked(board->cellAt(2, 2))->acrossRun, board->runs[5].get());
    EXPECT_EQ(asLocked(board->cellAt(2, 2))->downRun, board->runs[2].get());
}

TEST(LevelFileNames, NameIsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(levelNameOf(L"Data\\Levels\\My.Level.grd"), L"My.Level");
    EXPECT_EQ(levelNameOf(L"Plain"), L"Plain");
    EXPECT_EQ(levelNameOf(L"Data\\Lev.els\\Plain"), L"Plain");
    EXPECT_EQ(levelFolderOf(L"Data\\Levels\\A.grd"), L"Data\\Levels\\");
    EXPECT_EQ(levelFolderOf(L"A.grd"), L"");
}

}  // namespace
