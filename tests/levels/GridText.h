// Hand-made levels for the level tests, written in the grid text of tests/support/Boards.h and
// taken as the game reads them.
#pragma once

#include <gtest/gtest.h>

#include "game/BoardGrid.h"
#include "tests/support/Boards.h"

namespace levelstest {

inline levels::CLevelGrid gridFromText(const std::vector<std::string>& rows) {
    return gridOf(*testsupport::readBoard(testsupport::levelFile(rows)));
}

}  // namespace levelstest
