#include "tools/levels/LevelLoader.h"

#include <algorithm>

#include "platform/Platform.h"
#include "puzzle/Tallix.h"

namespace levels {

namespace {

GridCell cellFrom(const PCell* cell) {
    GridCell result;
    result.kind = cell->kind;
    if (const auto* clue = asHeader(const_cast<PCell*>(cell))) {
        result.across = clue->acrossSum;
        result.down = clue->downSum;
    } else if (cell->kind == kindFixed) {
        result.digit = static_cast<const PCellLocked*>(cell)->value;
    }
    return result;
}

}  // namespace

// The game reads the level; the tools take its cells as the game built them.
LoadedLevel loadLevelFile(const std::string& path) {
    std::wstring gamePath = platform::fromUtf8(path);
    std::replace(gamePath.begin(), gamePath.end(), L'/', L'\\');
    CTallix board;
    LoadedLevel level;
    level.loaded = board.loadLevel(gamePath);
    level.name = board.name;
    level.grid = CLevelGrid(board.width, board.height);
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y) level.grid.at(x, y) = cellFrom(board.grid[x][y].get());
    level.gold = board.gold;
    level.silver = board.silver;
    level.bronze = board.bronze;
    return level;
}

}  // namespace levels
