// The records file that carries the medal limits of the shipped levels.
#pragma once

#include <string>
#include <vector>

#include "solver/MedalLimits.h"

namespace levels {

struct LevelRecord {
    std::wstring name;  // section: the level file name without folder and extension
    MedalLimits limits;
};

// Writes "Gold", "Silver" and "Bronze" of every level, in the order given, replacing the file.
bool writeRecords(const std::wstring& path, const std::vector<LevelRecord>& records);

}  // namespace levels
