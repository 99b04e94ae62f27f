// The placement of the best time in the record table; no drawing here.
#include "ui/WidgetRecordTable.h"

#include <cstddef>

BestTimeRow bestTimeRow(int32_t best, const std::array<int32_t, 3>& limits) {
    if (best <= 0) return BestTimeRow::hidden;
    for (std::size_t row = 0; row < limits.size(); ++row)
        if (best < limits[row]) return static_cast<BestTimeRow>(row);
    return BestTimeRow::below;
}
