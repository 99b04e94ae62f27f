// Medal limits matched to a level's grade: the same rule for the shipped set and for levels made
// in the game.
#pragma once

#include "solver/Grader.h"

namespace levels {

struct MedalLimits {
    int gold = 0;    // seconds
    int silver = 0;
    int bronze = 0;
};

// Gold is what a practised player needs: entering each digit plus the reasoning the grade counts.
MedalLimits limitsFor(const Grade& grade, int playableCells);

}  // namespace levels
