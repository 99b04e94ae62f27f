// Best times and medals. Limits and best times are whole seconds; Recs.ini in the level folder
// holds a section per level with "Gold", "Silver", "Bronze" (written with the level: by the level
// tool for the shipped set, by the game for a level it makes) and "User" (the best).
#pragma once

#include <cstdint>
#include <string>

namespace platform {
class IniDocument;
}

enum class Medal { Gold, Silver, Bronze, None };

// The medal for a solving time: the first of gold, silver and bronze whose limit is not below the
// time in whole seconds (milliseconds / 1000, rounded down), compared unsigned; limits are taken
// as they are, ascending or not.
Medal medalFor(uint32_t elapsedMs, int32_t gold, int32_t silver, int32_t bronze);

const char* medalMessage(Medal medal);  // "You win Gold Medal" ... "No Medal..."

// Sets the three limits of `level` in the records; false when its name cannot head a section.
bool setMedalLimits(platform::IniDocument& records, const std::wstring& level, int gold, int silver, int bronze);
