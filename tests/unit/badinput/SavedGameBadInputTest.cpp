// Damaged saved games, made from one good file the game wrote by cutting it off at every length.
// Each is loaded through the game into a fresh board of its level, which then holds exactly what
// the intact part of the file says. (Wrong headers, sizes and values, and the run states a load
// restores, are in tests/unit/puzzle/SavedGameTest.cpp.)
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

// The header: "GRD1BS", width, height, elapsed; each cell: its value, then nine marks.
constexpr size_t headerSize = 18, cellSize = 13, valueSize = 4;
constexpr uint32_t untouched = 999;  // the board's time before a load

using Cell = std::pair<int, std::array<bool, 9>>;
using State = std::pair<uint32_t, std::vector<Cell>>;  // elapsed time and the playable cells

// Digits, marks and a time that use every byte of their fields.
const State saved{0x0A0B0C0D, {{3, {true}}, {0, {false, true, false, false, true, false, false, false, true}},
                               {9, {}}, {1, {true, true, true, true, true, true, true, true, true}}}};

using SavedGameBadInput = GameFolderTest;

// The state a fresh board of the level ends in after loading `file` as its saved game.
State load(const Bytes& file) {
    writeBytes(fs::path("Data/Levels/Damaged.gsv"), file);
    auto board = loadBoard("Damaged", levelFile(squareGrid()));
    board->elapsed = untouched;
    EXPECT_TRUE(board->loadSavedGame());
    State state{board->elapsed, {}};
    for (const PCellActive* cell : board->playableCellsInRowOrder()) state.second.push_back({cell->value, cell->marks});
    return state;
}

// Fields that end before their last byte read as 0: a value, a mark, the time, the board size
// (which then no longer matches, so no cell is restored).
TEST_F(SavedGameBadInput, CutOffAtEveryLength) {
    auto board = loadBoard("Damaged", levelFile(squareGrid()));
    std::vector<PCellActive*> cells = board->playableCellsInRowOrder();
    for (size_t i = 0; i < cells.size(); ++i) {
        cells[i]->marks = saved.second[i].second;
        enter(*cells[i], saved.second[i].first);
    }
    board->elapsed = saved.first;
    ASSERT_TRUE(board->saveGame());
    const Bytes good = readBytes(levels() / "Damaged.gsv");
    ASSERT_EQ(good.size(), headerSize + cells.size() * cellSize);
    ASSERT_EQ(load(good), saved);

    for (size_t length = 0; length < good.size(); ++length) {
        State expected{length < 6 ? untouched : 0, std::vector<Cell>(cells.size())};
        if (length >= headerSize) {
            expected.first = saved.first;
            for (size_t i = 0; i < cells.size(); ++i) {
                const size_t start = headerSize + i * cellSize;
                if (length >= start + valueSize) expected.second[i].first = saved.second[i].first;
                for (size_t m = 0; m < 9; ++m)
                    if (length > start + valueSize + m) expected.second[i].second[m] = saved.second[i].second[m];
            }
        }
        EXPECT_EQ(load(Bytes(good.begin(), good.begin() + std::ptrdiff_t(length))), expected) << length << " bytes";
    }
}

}  // namespace
