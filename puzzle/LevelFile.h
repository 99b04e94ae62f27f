// The level file: "GRD1B" header block, width and height bytes, the cell records column by column,
// "GRD1E" trailer block. Parsed from bytes in memory, so a damaged file can be tested without a disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One cell record as read: clue sums or the fixed digit, 0 where the kind has no payload.
struct LevelCellRecord {
    int32_t kind = 0;      // the kind byte; values above 3 are kept as read
    uint8_t first = 0;     // clue: across sum; fixed: the digit
    uint8_t second = 0;    // clue: down sum
};

struct LevelImage {
    bool headerFound = false;  // "GRD1B" within the first six bytes
    int32_t width = 0;         // 0 unless the header was found and the byte was 1 to 49
    int32_t height = 0;
    std::vector<LevelCellRecord> cells;  // width x height, column by column, top row first
    bool trailerFound = false;  // "GRD1E" within the six bytes after the last record
};

constexpr int32_t maxBoardSide = 49;

LevelImage parseLevelFile(const uint8_t* data, size_t size);  // never fails; missing bytes read as 0

// Names derived from a level's path, e.g. "Data\Levels\Easy 1.grd".
std::wstring levelNameOf(const std::wstring& path);    // "Easy 1"
std::wstring levelFolderOf(const std::wstring& path);  // "Data\Levels\"; empty without a folder
