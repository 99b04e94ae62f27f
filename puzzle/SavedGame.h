// The saved game: "GRD1BS", width, height and elapsed time (32-bit little-endian), then 13 bytes per
// playable cell in row order (value as int32, nine mark bytes). One file per level.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SavedCell {
    int32_t value = 0;          // 0 = empty, else 1 to 9
    std::array<bool, 9> marks{};
};

struct SavedGame {
    bool headerFound = false;  // the first six bytes are exactly "GRD1BS"
    int32_t width = 0;
    int32_t height = 0;
    uint32_t elapsed = 0;      // milliseconds
    std::vector<SavedCell> cells;  // row order: rows from the top, columns from the left
};

constexpr size_t savedGameHeaderSize = 18;
constexpr size_t savedCellSize = 13;

// Reads the header and, when it is found, `cellCount` cell records. Never fails: fields that cannot
// be read are 0 and marks missing are clear. A value outside 0 to 9 reads as an empty cell and any
// mark byte other than 0 as a set mark.
SavedGame parseSavedGame(const uint8_t* data, size_t size, size_t cellCount);
std::vector<uint8_t> serialiseSavedGame(const SavedGame& game);  // header always written

std::wstring savedGamePathOf(const std::wstring& levelName);  // "Data\Levels\" + name + ".gsv"
