// Damaged saved games, made from one good file the game wrote: cut off at every length and one bit
// flipped at every position. Each is loaded through the game into a fresh board of its level, which
// then holds exactly what the intact part of the file says, every digit 0 to 9 and every run sum in
// step with its cells.
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

constexpr size_t headerSize = 18;  // "GRD1BS", width, height, elapsed
constexpr size_t cellSize = 13;    // value (4 bytes) and nine marks
constexpr size_t valueSize = 4;
constexpr uint32_t untouched = 999;  // the board's time before a load

using Cell = std::pair<int, std::array<bool, 9>>;
using State = std::pair<uint32_t, std::vector<Cell>>;  // elapsed time and the playable cells

// Digits, marks and a time that use every byte of their fields.
const State saved{0x0A0B0C0D, {{3, {true}}, {0, {false, true, false, false, true, false, false, false, true}},
                               {9, {}}, {1, {true, true, true, true, true, true, true, true, true}}}};

State emptyState(uint32_t elapsed) { return {elapsed, std::vector<Cell>(saved.second.size())}; }

class SavedGameBadInput : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        auto board = loadBoard("Damaged", levelFile(squareGrid()));
        std::vector<PCellActive*> cells = board->playableCellsInRowOrder();
        for (size_t i = 0; i < cells.size(); ++i) {
            cells[i]->marks = saved.second[i].second;
            enter(*cells[i], saved.second[i].first);
        }
        board->elapsed = saved.first;
        ASSERT_TRUE(board->saveGame());
        good_ = readBytes(levels() / "Damaged.gsv");
        ASSERT_EQ(good_.size(), headerSize + saved.second.size() * cellSize);
    }

    // What a fresh board of the level holds after loading `file` as its saved game.
    State load(const Bytes& file) {
        writeBytes(levels() / "Damaged.gsv", file);
        auto board = loadBoard("Damaged", levelFile(squareGrid()));
        board->elapsed = untouched;
        EXPECT_TRUE(board->loadSavedGame());
        for (const auto& run : board->runs) {
            int sum = 0;
            for (const PCellLocked* cell : run->cells) sum += cell->value;
            EXPECT_EQ(run->currentSum, sum);
        }
        State state{board->elapsed, {}};
        for (const PCellActive* cell : board->playableCellsInRowOrder()) state.second.push_back({cell->value, cell->marks});
        return state;
    }

    Bytes good_;
};

// Fields that end before their last byte read as 0: a value, a mark, the time, the board size
// (which then no longer matches, so no cell is restored).
TEST_F(SavedGameBadInput, CutOffAtEveryLength) {
    for (size_t length = 0; length < good_.size(); ++length) {
        State expected = emptyState(length < 6 ? untouched : 0);
        if (length >= headerSize) {
            expected.first = saved.first;
            for (size_t i = 0; i < expected.second.size(); ++i) {
                const size_t start = headerSize + i * cellSize;
                if (length >= start + valueSize) expected.second[i].first = saved.second[i].first;
                for (size_t m = 0; m < 9; ++m)
                    if (length > start + valueSize + m) expected.second[i].second[m] = saved.second[i].second[m];
            }
        }
        EXPECT_EQ(load(Bytes(good_.begin(), good_.begin() + std::ptrdiff_t(length))), expected) << length << " bytes";
    }
}

// A damaged header restores nothing, a damaged size only the time; a damaged value outside 1 to 9
// leaves its cell empty; any mark byte other than 0 is a set mark. Nothing else moves.
TEST_F(SavedGameBadInput, OneBitFlippedAtEveryPosition) {
    for (size_t at = 0; at < good_.size(); ++at)
        for (int bit = 0; bit < 8; ++bit) {
            Bytes file = good_;
            file[at] ^= uint8_t(1u << bit);
            State expected = at < 6 ? emptyState(untouched) : at < 14 ? emptyState(saved.first) : saved;
            if (at >= 14 && at < headerSize) expected.first ^= (1u << bit) << (8 * (at - 14));
            if (at >= headerSize) {
                Cell& cell = expected.second[(at - headerSize) / cellSize];
                const size_t field = (at - headerSize) % cellSize;
                if (field < valueSize) {
                    const uint32_t value = uint32_t(cell.first) ^ ((1u << bit) << (8 * field));
                    cell.first = value <= 9 ? int(value) : 0;
                } else {
                    bool& mark = cell.second[field - valueSize];
                    mark = (uint32_t(mark) ^ (1u << bit)) != 0;
                }
            }
            EXPECT_EQ(load(file), expected) << "byte " << at << " bit " << bit;
        }
}

}  // namespace
