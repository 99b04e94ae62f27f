// Hand-made levels for the level tests, written in the grid text of tests/support/Boards.h and
// taken as the game reads them.
#pragma once

#include "game/BoardGrid.h"
#include "tests/support/PlayFixtures.h"

namespace levelstest {

inline levels::CLevelGrid gridFromText(const std::vector<std::string>& rows) { return gridOf(*playtest::laidOutBoard(rows)); }

}  // namespace levelstest
