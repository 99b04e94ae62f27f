// Everything the checker says about one level: its shape, its faults, how many solutions it has
// and how hard it is to solve by reasoning. Beyond the grid's own faults, a level must keep the
// cells under the captions of the game's starting view unused.
#pragma once

#include <string>
#include <vector>

#include "solver/Grader.h"
#include "solver/LevelGrid.h"
#include "solver/Solver.h"

namespace levels {

struct Analysis {
    int runs = 0;
    int playable = 0;
    int fixed = 0;
    std::vector<std::string> faults;  // shape faults (see CLevelGrid::faults), cells under captions
    SolveResult solve;                // stops at the second solution
    Grade grade;

    bool unique() const { return solve.complete && solve.solutions == 1; }
    bool fitToShip() const { return unique() && faults.empty(); }
};

Analysis analyseLevel(const CLevelGrid& grid);

// The grid as text, one row per line: clues as down\across, unused cells as ###, and the digit of
// every playable and fixed cell taken from `digits` (one per grid cell; 0 shows as a dot).
std::string formatGrid(const CLevelGrid& grid, const std::vector<int>& digits);

}  // namespace levels
