// Makes a level from a seed: a pattern, a filling, the clue sums, then repairs until reasoning
// alone (up to the technique of the difficulty) decides every cell, which also proves the solution
// unique. Each difficulty asks for a level that needs exactly its technique; when no pattern gives
// one, a level that needs no more than that is taken instead. Fixed cells are added only after the
// level is unique without them, as hints, never to force uniqueness.
//
// The same options give the same level: all randomness comes from the seed.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "solver/Grader.h"
#include "solver/LevelGrid.h"
#include "solver/Pattern.h"
#include "solver/Random.h"

namespace levels {

struct GeneratorOptions {
    int width = 8;        // whole board, 3 to 49
    int height = 8;
    int difficulty = 2;   // 1 to 5
    uint64_t seed = 1;
    int fixedCells = 0;   // given digits added to the finished level
    std::vector<bool> keepUnused = {};  // per cell (y * width + x): cells the level must leave
                                        // unused, e.g. where the game draws over them; empty = none
    const std::atomic<bool>* stop = nullptr;  // when set (by another thread), generation gives up
                                              // within a repair round, a few milliseconds
};

struct Difficulty {
    int maxRun;           // longest run in the pattern
    double blockShare;    // share of inner cells that are not playable
    int maxSquare;        // largest fully playable square
    Technique technique;  // the hardest technique a player should need
};

Difficulty difficultyProfile(int difficulty);

struct GeneratedLevel {
    CLevelGrid grid;
    std::vector<int> solution;  // digit per grid cell, 0 outside playable and fixed cells
    Grade grade;                // of the level as written, fixed cells included
    int attempts = 0;           // patterns tried
    int repairs = 0;            // repair rounds over all attempts
};

// False when no attempt produced a level (board too small or too narrow for the difficulty),
// keepUnused is neither empty nor one entry per cell, or `stop` was set.
bool generateLevel(const GeneratorOptions& options, GeneratedLevel& level);

// The level of a pattern and its digits: clue sums, kinds, and the given digits of fixed cells.
CLevelGrid levelFromDigits(const CPattern& pattern, const std::vector<int>& digits);

}  // namespace levels
