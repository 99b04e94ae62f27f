// Fills a pattern with digits so that no run repeats one: a randomised depth-first search that
// always fills the cell with the fewest digits left. Each run leans towards low or high digits (or
// neither), which makes sums with few combinations common: such fillings need far less repair.
#pragma once

#include <cstddef>
#include <vector>

#include "solver/DigitMask.h"
#include "solver/Pattern.h"
#include "solver/Random.h"

namespace levels {

// The runs of a pattern: for every cell (y * width + x) its across and down run, -1 for none.
struct PatternRuns {
    std::vector<int> across;
    std::vector<int> down;
    int count = 0;

    explicit PatternRuns(const CPattern& pattern);
};

class CFiller {
public:
    CFiller(const CPattern& pattern, CRandom& random);

    // Digits per cell, 0 outside the playable cells; false when the search gave up.
    bool fill(std::vector<int>& digits);

private:
    DigitMask freeDigits(int cell) const;
    int pickCell() const;  // -1 when every cell holds a digit
    bool place(int depth);
    void set(int cell, int digit);
    std::vector<int> digitOrder(int cell);  // free digits, likelier ones first

    const CPattern& pattern_;
    CRandom& random_;
    PatternRuns runs_;
    std::vector<int> cells_;     // the playable cells
    std::vector<int> tieBreak_;  // random order among equally constrained cells
    std::vector<DigitMask> used_;  // digits per run
    std::vector<int> lean_;        // per run: -1 low digits, +1 high digits, 0 none
    std::vector<int> digits_;
    long budget_ = 0;
};

}  // namespace levels
