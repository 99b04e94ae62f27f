// Where the panel's record table shows the player's best time: beside the best medal it beats, in
// green, or below the table, in red.
#pragma once

#include <array>
#include <cstdint>

// Rows of the table in order gold, silver, bronze; then the place below it.
enum class BestTimeRow : int32_t { hidden = -1, gold = 0, silver = 1, bronze = 2, below = 3 };

// A best time of 0 or less is no time and is not shown. A limit is beaten only by a strictly
// shorter time, so a best time equal to the gold limit stands in the silver row (if it beats that).
BestTimeRow bestTimeRow(int32_t best, const std::array<int32_t, 3>& limits);
