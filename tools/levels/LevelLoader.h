// Loads a level file exactly as the game does and hands back the tools' view of it.
#pragma once

#include <string>

#include "solver/LevelGrid.h"

namespace levels {

struct LoadedLevel {
    bool loaded = false;  // the game's loader accepted the file (its trailer was found)
    std::wstring name;    // the level name the game derives from the path
    CLevelGrid grid;
    int gold = 0, silver = 0, bronze = 0;  // medal limits after loading
};

// `path` is a host path (either separator); the game sees it with backslashes.
LoadedLevel loadLevelFile(const std::string& path);

}  // namespace levels
