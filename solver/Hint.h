// The next step a careful player can take on a board as it stands, and the reason for it in one
// line. Digits entered on the board count; candidate marks are the player's notes and do not. A
// digit that differs from the level's solution is pointed at first. Otherwise the plainest
// reasoning that decides an empty cell is used, in the grader's order: reading a run's
// combinations, combinations every cell takes part in, the run's exact fillings, and at last
// lookahead; so a hint never needs more than the level's grade.
#pragma once

#include <string>
#include <vector>

#include "solver/LevelGrid.h"

namespace levels {

struct Hint {
    enum Kind { wrongDigit, nextDigit, blocked, solved };
    Kind kind = solved;
    int cell = -1;           // grid index of the cell the hint is about (-1 for none)
    int digit = 0;           // the digit that cell takes (nextDigit)
    int technique = 0;       // nextDigit: the grader's technique the step needs, 1 basic .. 4 lookahead
    std::vector<int> cells;  // grid indices to highlight: the cell, its run and the run's clue
    std::string reason;      // e.g. "Only 1 + 2 makes 3 in two cells"
};

// `entered` and `solution` hold one digit per grid cell (0: none); an empty `solution` (a level
// without one solution) skips the check for wrong digits.
Hint findHint(const CLevelGrid& grid, const std::vector<int>& entered, const std::vector<int>& solution);

}  // namespace levels
