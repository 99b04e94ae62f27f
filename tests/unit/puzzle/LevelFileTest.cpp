// Level files built byte by byte: header and trailer rules, sizes, damaged files, the runs a grid
// builds and the medal limits a level ends up with.
#include "puzzle/LevelFile.h"

#include <set>

#include "PuzzleTestSupport.h"

using namespace puzzletest;

namespace {

class LevelFileTest : public PuzzleTest {};

// The 2 x 2 example: clue (across 3, down 4) top left, playable top right and bottom left,
// unused bottom right.
Bytes exampleLevel() {
    return levelHeader() + Bytes{2, 2, 0x00, 0x03, 0x04, 0x01, 0x01, 0x02} + levelTrailer();
}

}  // namespace

TEST_F(LevelFileTest, ExampleLevelBuildsItsGridRunsAndDefaultLimits) {
    ASSERT_EQ(exampleLevel().size(), 20u);
    EXPECT_EQ(levelFile({"3\\4 p", "p u"}), exampleLevel());
    bool result = false;
    auto board = load("Example", exampleLevel(), &result);
    EXPECT_TRUE(result);
    EXPECT_TRUE(board->loaded);
    EXPECT_EQ(board->name, L"Example");
    ASSERT_EQ(board->width, 2);
    ASSERT_EQ(board->height, 2);
    PCellHeader* clue = asHeader(board->cellAt(0, 0));
    ASSERT_NE(clue, nullptr);
    EXPECT_EQ(clue->acrossSum, 3);
    EXPECT_EQ(clue->downSum, 4);
    EXPECT_EQ(board->cellAt(1, 1)->kind, kindUnused);

    ASSERT_EQ(board->runs.size(), 2u);
    const ::Run& across = *board->runs[0];
    const ::Run& down = *board->runs[1];
    EXPECT_EQ(across.direction, runAcross);
    EXPECT_EQ(across.targetSum, 3);
    EXPECT_EQ(across.clue, clue);
    ASSERT_EQ(across.cells.size(), 1u);
    EXPECT_EQ(across.cells[0], board->cellAt(1, 0));
    EXPECT_EQ(down.direction, runDown);
    EXPECT_EQ(down.targetSum, 4);
    ASSERT_EQ(down.cells.size(), 1u);
    EXPECT_EQ(down.cells[0], board->cellAt(0, 1));
    EXPECT_EQ(playable(*board, 1, 0).acrossRun, &across);
    EXPECT_EQ(playable(*board, 1, 0).downRun, nullptr);
    EXPECT_EQ(playable(*board, 0, 1).downRun, &down);

    EXPECT_EQ(board->gold, 30);
    EXPECT_EQ(board->silver, 40);
    EXPECT_EQ(board->bronze, 60);
    EXPECT_EQ(board->userBest, 0);
    EXPECT_FALSE(board->savedGameExists);
}

TEST_F(LevelFileTest, HeaderLettersMayStandAnywhereBeforeAZeroByte) {
    Bytes body = Bytes{1, 1, 1} + levelTrailer();
    for (const Bytes& header : {Bytes{'G', 'R', 'D', '1', 'B', 'x'}, Bytes{'x', 'G', 'R', 'D', '1', 'B'}}) {
        LevelImage level = parseLevelFile((header + body).data(), (header + body).size());
        EXPECT_TRUE(level.headerFound);
        EXPECT_EQ(level.width, 1);
        EXPECT_TRUE(level.trailerFound);
    }
    // A zero among the first five bytes hides the letters: no grid is read, and the six bytes after
    // the header block are taken as the trailer.
    Bytes hidden = Bytes{'G', 0, 'G', 'R', 'D', '1'} + levelTrailer() + Bytes{9, 9};
    LevelImage level = parseLevelFile(hidden.data(), hidden.size());
    EXPECT_FALSE(level.headerFound);
    EXPECT_EQ(level.width, 0);
    EXPECT_TRUE(level.cells.empty());
    EXPECT_TRUE(level.trailerFound);
}

TEST_F(LevelFileTest, TrailerIsTheSixBytesAfterTheLastRecord) {
    Bytes grid = levelHeader() + Bytes{1, 1, 1};
    auto accepts = [](const Bytes& file) { return parseLevelFile(file.data(), file.size()).trailerFound; };
    EXPECT_TRUE(accepts(grid + Bytes{'z', 'G', 'R', 'D', '1', 'E'}));
    EXPECT_TRUE(accepts(grid + levelTrailer() + bytesOf("junk never read")));
    EXPECT_FALSE(accepts(grid + Bytes{0} + levelTrailer()));  // one byte late
    EXPECT_FALSE(accepts(grid + Bytes{'G', 'R', 'D', '1', 'B', 0}));
}

TEST_F(LevelFileTest, MissingTrailerKeepsTheCellsButNeverCountsAsSolved) {
    writeRecords("[Broken]\nGold=100\nSilver=200\nBronze=300\n");
    writeFile(levels() / "Broken.gsv", bytesOf("GRD1BS"));
    Bytes file = levelHeader() + Bytes{2, 1} + cellRecords({"3\\0 p"}) + bytesOf("GRD1X");
    bool result = true;
    auto board = load("Broken", file, &result);
    EXPECT_FALSE(result);
    EXPECT_FALSE(board->loaded);
    ASSERT_EQ(board->width, 2);
    EXPECT_NE(asActive(board->cellAt(1, 0)), nullptr);
    EXPECT_TRUE(board->runs.empty());
    EXPECT_EQ(board->gold, 100);   // the records stay, no limits are derived
    EXPECT_EQ(board->bronze, 300);
    EXPECT_FALSE(board->savedGameExists);  // not looked at
    EXPECT_FALSE(board->isSolved());
}

TEST_F(LevelFileTest, ShortFileReadsMissingBytesAsZero) {
    // Two of the four records present; the rest read as kind 0 with sums 0.
    Bytes file = levelHeader() + Bytes{2, 2, 1, 3, 7};
    LevelImage level = parseLevelFile(file.data(), file.size());
    ASSERT_EQ(level.cells.size(), 4u);
    EXPECT_EQ(level.cells[0].kind, 1);
    EXPECT_EQ(level.cells[1].kind, 3);
    EXPECT_EQ(level.cells[1].first, 7);
    EXPECT_EQ(level.cells[2].kind, 0);
    EXPECT_EQ(level.cells[3].first, 0);
    EXPECT_FALSE(level.trailerFound);

    bool result = true;
    auto board = load("Short", file, &result);
    EXPECT_FALSE(result);
    EXPECT_EQ(asHeader(board->cellAt(1, 1))->acrossSum, 0);
    EXPECT_FALSE(board->isSolved());
    for (const Bytes& stub : {Bytes{}, Bytes{'G'}, levelHeader()}) {
        EXPECT_FALSE(parseLevelFile(stub.data(), stub.size()).trailerFound);
    }
}

TEST_F(LevelFileTest, SizesOutsideOneToFortyNineAreIgnored) {
    for (uint8_t side : {uint8_t{0}, uint8_t{50}, uint8_t{255}}) {
        Bytes file = levelHeader() + Bytes{side, 3} + levelTrailer();
        LevelImage level = parseLevelFile(file.data(), file.size());
        EXPECT_EQ(level.width, 0);
        EXPECT_EQ(level.height, 3);
        EXPECT_TRUE(level.cells.empty());
        EXPECT_TRUE(level.trailerFound);  // no records, so the trailer follows the size bytes
    }
    std::string row;
    for (int x = 0; x < 49; ++x) row += "p ";
    Bytes largest = levelFile(std::vector<std::string>(49, row));
    LevelImage level = parseLevelFile(largest.data(), largest.size());
    EXPECT_EQ(level.width, 49);
    EXPECT_EQ(level.height, 49);
    EXPECT_TRUE(level.trailerFound);
}

TEST_F(LevelFileTest, BoardWithoutColumnsTakesNoInput) {
    auto board = load("Narrow", levelHeader() + Bytes{50, 2} + cellRecords({"p", "p"}) + levelTrailer());
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

TEST_F(LevelFileTest, UnknownKindsBecomeUnusedCellsOfTheirOwn) {
    bool result = false;
    auto board = load("Odd", levelFile({"k4 k200", "p f5"}), &result);
    EXPECT_TRUE(result);
    std::set<PCell*> distinct;
    for (int x = 0; x < 2; ++x) {
        for (int y = 0; y < 2; ++y) distinct.insert(board->cellAt(x, y));
    }
    EXPECT_EQ(distinct.size(), 4u);
    EXPECT_EQ(board->cellAt(0, 0)->kind, kindUnused);
    EXPECT_EQ(board->cellAt(1, 0)->kind, kindUnused);
    EXPECT_EQ(board->cellAt(0, 1)->kind, kindPlayable);  // no payload was taken by the odd kinds
    EXPECT_EQ(asLocked(board->cellAt(1, 1))->value, 5);
}

TEST_F(LevelFileTest, FixedDigitsOutsideOneToNineReadAsEmpty) {
    auto board = load("Fixed", levelFile({"12\\0 f3 f0 f10 f255 p"}));
    EXPECT_EQ(asLocked(board->cellAt(1, 0))->value, 3);
    EXPECT_EQ(asLocked(board->cellAt(2, 0))->value, 0);
    EXPECT_EQ(asLocked(board->cellAt(3, 0))->value, 0);
    EXPECT_EQ(asLocked(board->cellAt(4, 0))->value, 0);
    ASSERT_EQ(board->runs.size(), 1u);
    EXPECT_EQ(board->runs[0]->cells.size(), 5u);  // fixed cells belong to runs
    EXPECT_EQ(board->gold, 15);                   // but only playable cells count for the limits
}

TEST_F(LevelFileTest, RunsAreBuiltRowByRowAndStopAtOtherKinds) {
    auto board = load("Runs", levelFile({"u     5\\9   0\\4  u     3\\0",
                                         "3\\0  p      p     u     u",
                                         "8\\0  p      f2    u     u"}));
    ASSERT_EQ(board->runs.size(), 6u);
    std::vector<std::pair<int, int>> seen;  // (target, direction) in creation order
    for (const auto& run : board->runs) seen.emplace_back(run->targetSum, run->direction);
    std::vector<std::pair<int, int>> expected = {
        {5, runAcross}, {9, runDown}, {4, runDown}, {3, runAcross}, {3, runAcross}, {8, runAcross}};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(board->runs[0]->cells.empty());  // the unused cell ends it at once
    EXPECT_EQ(board->runs[1]->cells.size(), 2u);
    EXPECT_EQ(board->runs[2]->cells.size(), 2u);  // down through a fixed cell
    EXPECT_TRUE(board->runs[3]->cells.empty());   // a clue at the right edge
    EXPECT_EQ(board->runs[4]->cells.size(), 2u);
    EXPECT_EQ(board->runs[5]->cells.size(), 2u);
    EXPECT_EQ(asLocked(board->cellAt(2, 2))->acrossRun, board->runs[5].get());
    EXPECT_EQ(asLocked(board->cellAt(2, 2))->downRun, board->runs[2].get());
}

TEST_F(LevelFileTest, RecordedLimitsWinUnlessGoldIsMissing) {
    writeRecords("[Kept]\nGold=100\nSilver=200\nUser=95\n"
                 "[Derived]\nGold=0\nSilver=50\nBronze=70\nUser=33\n");
    auto kept = load("Kept", levelFile(squareGrid()));
    EXPECT_EQ(kept->gold, 100);
    EXPECT_EQ(kept->silver, 200);
    EXPECT_EQ(kept->bronze, 0);
    EXPECT_EQ(kept->userBest, 95);
    auto derived = load("Derived", levelFile(squareGrid()));
    EXPECT_EQ(derived->gold, 60);
    EXPECT_EQ(derived->silver, 80);
    EXPECT_EQ(derived->bronze, 120);
    EXPECT_EQ(derived->userBest, 33);
}

TEST_F(LevelFileTest, MissingFileKeepsNameAndRecords) {
    writeRecords("[Gone]\nGold=10\nUser=7\n");
    auto board = std::make_unique<CTallix>();
    EXPECT_FALSE(board->loadLevel(L"Data\\Levels\\Gone.grd"));
    EXPECT_EQ(board->name, L"Gone");
    EXPECT_EQ(board->gold, 10);
    EXPECT_EQ(board->userBest, 7);
    EXPECT_EQ(board->width, 0);
    EXPECT_FALSE(board->isSolved());
}

TEST_F(LevelFileTest, SavedGameFlagFollowsTheFile) {
    writeFile(levels() / "Kept.gsv", bytesOf("GRD1BS"));
    EXPECT_TRUE(load("Kept", levelFile(squareGrid()))->savedGameExists);
    EXPECT_FALSE(load("Fresh", levelFile(squareGrid()))->savedGameExists);
}

TEST_F(LevelFileTest, NameIsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(levelNameOf(L"Data\\Levels\\My.Level.grd"), L"My.Level");
    EXPECT_EQ(levelNameOf(L"Plain"), L"Plain");
    EXPECT_EQ(levelNameOf(L"Data\\Lev.els\\Plain"), L"Plain");
    EXPECT_EQ(levelFolderOf(L"Data\\Levels\\A.grd"), L"Data\\Levels\\");
    EXPECT_EQ(levelFolderOf(L"A.grd"), L"");
}
