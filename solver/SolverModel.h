// A level compiled for solving: one variable per playable or fixed cell, each run a sum over a
// slice of variables, each variable linked to its (at most two) runs.
#pragma once

#include <array>
#include <vector>

#include "solver/DigitMask.h"
#include "solver/LevelGrid.h"

namespace levels {

using Domains = std::vector<DigitMask>;  // candidates per variable

struct ModelRun {
    int sum = 0;
    int first = 0;   // into SolverModel::runVars
    int length = 0;
    int clue = 0;    // grid index of the clue cell
};

struct SolverModel {
    Domains start;                         // all digits for playable cells, the digit for fixed ones
    std::vector<int> cellOf;               // grid index of each variable
    std::vector<int> varOf;                // variable of each grid cell, -1 for none
    std::vector<ModelRun> runs;
    std::vector<int> runVars;              // the variables of every run, run after run
    std::vector<std::array<int, 2>> runsOf;  // across and down run of each variable, -1 for none
    int width = 0;
    int height = 0;

    int variables() const { return int(start.size()); }
    const int* varsOf(const ModelRun& run) const { return runVars.data() + run.first; }
};

// Fixed cells with a digit outside 1 to 9 get no candidates, so such a level has no solution.
SolverModel buildModel(const CLevelGrid& grid);

}  // namespace levels
