// Levels made in the game: the sizes and difficulties the chooser offers, the names they get and
// how they are stored. A new level is a level like any other: a file in "Data\Levels\" and its
// medal limits in Recs.ini, matched to its grade by the rule of the shipped set.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "solver/Generator.h"

struct PuzzleSize {
    const char* name;
    int width, height;  // every size fits the starting view, clear of "Retire" and the clock
};
constexpr std::array<PuzzleSize, 3> puzzleSizes{{{"Small", 9, 8}, {"Medium", 12, 10}, {"Large", 16, 10}}};
// The generator's difficulties 1 to 5, named as the grades they ask for.
constexpr std::array<const char*, 5> difficultyNames{"Easy", "Fair", "Tricky", "Hard", "Brutal"};

// The generator's options for a size (0 to 2) and a difficulty (1 to 5), out-of-range values
// clamped: the level tool's `generate` with the same size, difficulty and seed writes the same file.
levels::GeneratorOptions newPuzzleOptions(int size, int difficulty, uint64_t seed);

// "~N001 Tricky": sorts after every shipped level, fits a card (at most 12 characters); the number
// continues from the highest "~N" number among `levelPaths`.
std::wstring newLevelName(const std::vector<std::wstring>& levelPaths, int difficulty);

std::wstring newLevelPath(const std::wstring& name);  // "Data\Levels\<name>.grd"

// Writes the level to its path and its medal limits into Recs.ini, each file replaced whole.
// False when either cannot be written; then neither is left changed.
bool saveNewLevel(const std::wstring& name, const levels::GeneratedLevel& level);
