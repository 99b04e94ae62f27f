#include "solver/MedalLimits.h"

#include <algorithm>
#include <cmath>

namespace levels {

namespace {

constexpr double secondsPerCell = 3.0;    // picking a digit from the ring and moving on
constexpr double secondsPerScore = 1.5;   // one weighted reasoning step
constexpr double silverFactor = 1.5;
constexpr double bronzeFactor = 2.5;

int roundUpToFive(double seconds) { return int(std::ceil(seconds / 5.0)) * 5; }

}  // namespace

MedalLimits limitsFor(const Grade& grade, int playableCells) {
    const double gold = secondsPerCell * playableCells + secondsPerScore * grade.score;
    MedalLimits limits;
    limits.gold = roundUpToFive(std::max(gold, 10.0));
    limits.silver = roundUpToFive(limits.gold * silverFactor);
    limits.bronze = roundUpToFive(limits.gold * bronzeFactor);
    return limits;
}

}  // namespace levels
