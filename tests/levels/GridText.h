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

// A 2 x 2 square of playable cells under clues of 3 (rows) and `columns` (columns).
inline std::vector<std::string> square(const char* columns, const char* second = "p p", const char* third = "p p") {
    return {std::string("u ") + columns, std::string("3\\0 ") + second, std::string("3\\0 ") + third};
}

}  // namespace levelstest
