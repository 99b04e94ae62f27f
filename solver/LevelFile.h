// The level file as bytes: "GRD1B\0", width, height, the cell records column by column (kind byte,
// then two sums for a clue or one digit for a fixed cell), "GRD1E\0". Reading is the game's job
// (CTallix::loadLevel); the tools only write.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/LevelGrid.h"

namespace levels {

std::vector<uint8_t> encodeLevel(const CLevelGrid& grid);

}  // namespace levels
