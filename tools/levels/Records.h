// Medal limits for shipped levels, matched to their grade, and the records file that carries them.
#pragma once

#include <string>
#include <vector>

#include "tools/levels/Grader.h"

namespace levels {

struct MedalLimits {
    int gold = 0;    // seconds
    int silver = 0;
    int bronze = 0;
};

// Gold is what a practised player needs: entering each digit plus the reasoning the grade counts.
MedalLimits limitsFor(const Grade& grade, int playableCells);

struct LevelRecord {
    std::wstring name;  // section: the level file name without folder and extension
    MedalLimits limits;
};

// Writes "Gold", "Silver" and "Bronze" of every level, in the order given, replacing the file.
bool writeRecords(const std::wstring& path, const std::vector<LevelRecord>& records);

}  // namespace levels
