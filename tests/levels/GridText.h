// Hand-made levels for the tests, written as text: one line per row, cells separated by blanks.
//   #      unused            .      playable
//   d\a    clue: down sum, across sum (either may be empty: "\4", "3\")
//   =5     fixed cell holding 5
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "solver/LevelGrid.h"

namespace levelstest {

inline levels::GridCell cellFromText(const std::string& token) {
    levels::GridCell cell;
    if (token == ".") {
        cell.kind = levels::gridPlayable;
    } else if (token[0] == '=') {
        cell.kind = levels::gridFixed;
        cell.digit = std::stoi(token.substr(1));
    } else if (token.find('\\') != std::string::npos) {
        const size_t slash = token.find('\\');
        cell.kind = levels::gridClue;
        cell.down = slash > 0 ? std::stoi(token.substr(0, slash)) : 0;
        cell.across = slash + 1 < token.size() ? std::stoi(token.substr(slash + 1)) : 0;
    }
    return cell;
}

inline levels::CLevelGrid gridFromText(const std::vector<std::string>& rows) {
    std::vector<std::vector<std::string>> tokens;
    for (const std::string& row : rows) {
        std::istringstream in(row);
        tokens.emplace_back();
        for (std::string token; in >> token;) tokens.back().push_back(token);
    }
    levels::CLevelGrid grid(int(tokens[0].size()), int(tokens.size()));
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) grid.at(x, y) = cellFromText(tokens[y][x]);
    return grid;
}

}  // namespace levelstest
