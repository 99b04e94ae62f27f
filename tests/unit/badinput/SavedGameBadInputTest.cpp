// Damaged saved games, made here from one good file the game wrote: cut off at every length and one
// bit flipped at every position. Each is loaded through the game into a fresh board of its level,
// and the board holds exactly what the intact part of the file says, every digit 0 to 9 and every
// run sum in step with its cells. (Single cases, such as a file for another board size, are in
// tests/unit/puzzle/SavedGameTest.cpp.)
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "BadInputSupport.h"

namespace badinput {
namespace {

constexpr size_t headerSize = 18;  // "GRD1BS", width, height, elapsed
constexpr size_t cellSize = 13;    // value (4 bytes) and nine marks
constexpr size_t valueSize = 4;
constexpr uint32_t untouchedElapsed = 999;  // the board's time before a load

struct CellState {
    int value = 0;
    std::array<bool, 9> marks{};
    bool operator==(const CellState& other) const { return value == other.value && marks == other.marks; }
};

struct BoardState {
    uint32_t elapsed = 0;
    std::vector<CellState> cells;
    bool operator==(const BoardState& other) const { return elapsed == other.elapsed && cells == other.cells; }
};

void PrintTo(const BoardState& state, std::ostream* out) {
    *out << "elapsed " << state.elapsed << ", cells";
    for (const CellState& cell : state.cells) {
        *out << " " << cell.value << "/";
        for (bool mark : cell.marks) *out << (mark ? '1' : '0');
    }
}

// Digits, marks and a time that use every byte of their fields.
const BoardState saved{0x0A0B0C0D,
                       {{3, {true, false, false, false, false, false, false, false, false}},
                        {0, {false, true, false, false, true, false, false, false, true}},
                        {9, {}},
                        {1, {true, true, true, true, true, true, true, true, true}}}};

BoardState emptyState(uint32_t elapsed) { return {elapsed, std::vector<CellState>(saved.cells.size())}; }

class SavedGameBadInput : public BadInputTest {
protected:
    void SetUp() override {
        BadInputTest::SetUp();
        auto board = loadLevel("Damaged", levelFile(squareGrid()));
        std::vector<PCellActive*> cells = board->playableCellsInRowOrder();
        for (size_t i = 0; i < cells.size(); ++i) {
            cells[i]->marks = saved.cells[i].marks;
            enter(*cells[i], saved.cells[i].value);
        }
        board->elapsed = saved.elapsed;
        ASSERT_TRUE(board->saveGame());
        good_ = readBytes(levels() / "Damaged.gsv");
        ASSERT_EQ(good_.size(), headerSize + saved.cells.size() * cellSize);
    }

    // The state a fresh board of the level ends in after loading `file` as its saved game.
    BoardState load(const Bytes& file) {
        writeBytes(levels() / "Damaged.gsv", file);
        auto board = loadWritten("Damaged");
        board->elapsed = untouchedElapsed;
        EXPECT_TRUE(board->loadSavedGame());
        for (const auto& run : board->runs) {
            int sum = 0;
            for (const PCellLocked* cell : run->cells) sum += cell->value;
            EXPECT_EQ(run->currentSum, sum);
        }
        BoardState state{board->elapsed, {}};
        for (const PCellActive* cell : board->playableCellsInRowOrder()) state.cells.push_back({cell->value, cell->marks});
        return state;
    }

    Bytes good_;
};

// Fields that end before their last byte read as 0: a value, a mark, the time, the board size
// (which then no longer matches, so no cell is restored).
TEST_F(SavedGameBadInput, CutOffAtEveryLength) {
    for (size_t length = 0; length < good_.size(); ++length) {
        SCOPED_TRACE("length " + std::to_string(length));
        BoardState expected = emptyState(length < 6 ? untouchedElapsed : 0);
        if (length >= headerSize) {
            expected.elapsed = saved.elapsed;
            for (size_t i = 0; i < expected.cells.size(); ++i) {
                const size_t start = headerSize + i * cellSize;
                if (length >= start + valueSize) expected.cells[i].value = saved.cells[i].value;
                for (size_t m = 0; m < 9; ++m)
                    if (length > start + valueSize + m) expected.cells[i].marks[m] = saved.cells[i].marks[m];
            }
        }
        EXPECT_EQ(load(Bytes(good_.begin(), good_.begin() + static_cast<std::ptrdiff_t>(length))), expected);
    }
}

// A damaged header restores nothing, a damaged size only the time; a damaged value outside 1 to 9
// leaves its cell empty; any mark byte other than 0 is a set mark. Nothing else moves.
TEST_F(SavedGameBadInput, OneBitFlippedAtEveryPosition) {
    for (size_t at = 0; at < good_.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            SCOPED_TRACE("byte " + std::to_string(at) + " bit " + std::to_string(bit));
            Bytes file = good_;
            file[at] ^= static_cast<uint8_t>(1u << bit);
            BoardState expected = saved;
            if (at < 6) {
                expected = emptyState(untouchedElapsed);
            } else if (at < 14) {
                expected = emptyState(saved.elapsed);
            } else if (at < headerSize) {
                expected.elapsed ^= (1u << bit) << (8 * (at - 14));
            } else {
                CellState& cell = expected.cells[(at - headerSize) / cellSize];
                const size_t field = (at - headerSize) % cellSize;
                if (field < valueSize) {
                    const uint32_t value = static_cast<uint32_t>(cell.value) ^ ((1u << bit) << (8 * field));
                    cell.value = value <= 9 ? static_cast<int>(value) : 0;
                } else {
                    cell.marks[field - valueSize] = ((cell.marks[field - valueSize] ? 1u : 0u) ^ (1u << bit)) != 0;
                }
            }
            EXPECT_EQ(load(file), expected);
        }
    }
}

}  // namespace
}  // namespace badinput
