#include "tools/levels/LevelLoader.h"

#include <algorithm>

#include "game/BoardGrid.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"

namespace levels {

// The game reads the level; the tools take its cells as the game built them.
LoadedLevel loadLevelFile(const std::string& path) {
    std::wstring gamePath = platform::fromUtf8(path);
    std::replace(gamePath.begin(), gamePath.end(), L'/', L'\\');
    CTallix board;
    LoadedLevel level;
    level.loaded = board.loadLevel(gamePath);
    level.name = board.name;
    level.grid = gridOf(board);
    level.gold = board.gold;
    level.silver = board.silver;
    level.bronze = board.bronze;
    return level;
}

}  // namespace levels
