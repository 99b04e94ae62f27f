// Boards for every suite: level files written from a readable grid description, and the cells of
// a loaded board.
#pragma once

#include <cstdint>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "puzzle/Tallix.h"

namespace testsupport {

using Bytes = std::vector<uint8_t>;

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline const Bytes& levelHeader() {
    static const Bytes header = {'G', 'R', 'D', '1', 'B', 0};
    return header;
}
inline const Bytes& levelTrailer() {
    static const Bytes trailer = {'G', 'R', 'D', '1', 'E', 0};
    return trailer;
}

// One cell of a grid description: "u" unused, "p" playable, "f7" fixed 7, "a\d" a clue with
// across sum a and down sum d ("10\0", "0\4"), "k9" an unknown kind byte 9.
inline Bytes cellRecord(const std::string& token) {
    switch (token[0]) {
    case 'u': return {2};
    case 'p': return {1};
    case 'f': return {3, static_cast<uint8_t>(std::stoi(token.substr(1)))};
    case 'k': return {static_cast<uint8_t>(std::stoi(token.substr(1)))};
    default: {
        size_t slash = token.find('\\');
        return {0, static_cast<uint8_t>(std::stoi(token.substr(0, slash))),
                static_cast<uint8_t>(std::stoi(token.substr(slash + 1)))};
    }
    }
}

// The cell records of a grid given row by row (tokens separated by blanks), in the file's column
// by column order.
inline Bytes cellRecords(const std::vector<std::string>& rows) {
    std::vector<std::vector<std::string>> grid;
    for (const std::string& row : rows) {
        std::istringstream in(row);
        grid.emplace_back();
        for (std::string token; in >> token;) grid.back().push_back(token);
    }
    Bytes records;
    for (size_t x = 0; x < grid[0].size(); ++x) {
        for (const auto& row : grid) records = records + cellRecord(row[x]);
    }
    return records;
}

// A complete level file for the grid.
inline Bytes levelFile(const std::vector<std::string>& rows) {
    size_t width = 0;
    std::istringstream first(rows[0]);
    for (std::string token; first >> token;) ++width;
    Bytes size = {static_cast<uint8_t>(width), static_cast<uint8_t>(rows.size())};
    return levelHeader() + size + cellRecords(rows) + levelTrailer();
}

// A board read from a level file in memory (no files), laid out at `zoom` around (0.5, centreY).
inline std::unique_ptr<CTallix> readBoard(const Bytes& file, float zoom = 1.0f, float centreY = 0.37f) {
    auto board = std::make_unique<CTallix>();
    if (!board->readLevel(file.data(), file.size())) throw std::runtime_error("an unreadable level file");
    board->zoom = zoom;
    board->centreX = 0.5f;
    board->centreY = centreY;
    return board;
}

// A 3 x 3 board with four playable cells: two across runs (sums 4 and 6) and two down runs (sums
// 3 and 7).
inline std::vector<std::string> squareGrid() {
    return {"u    0\\3  0\\7",
            "4\\0 p    p",
            "6\\0 p    p"};
}


// The playable cell at column x, row y (the test fails at once when it is something else).
inline PCellActive& playable(const CTallix& board, int x, int y) {
    PCellActive* cell = asActive(board.cellAt(x, y));
    if (!cell) throw std::runtime_error("not a playable cell");
    return *cell;
}

inline void enter(PCellActive& cell, int value) {
    cell.setValue(value);
    updateRunsOf(cell);
}

// The centre of cell (x, y) in view coordinates.
inline float cellCentreX(const CTallix& board, int x) { return board.left() + (x + 0.5f) * board.cellEdge(); }
inline float cellCentreY(const CTallix& board, int y) { return board.top() - (y + 0.5f) * board.cellEdge(); }

}  // namespace testsupport
