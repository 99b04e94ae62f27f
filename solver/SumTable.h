// Which digits can fill a run of a given sum and length.
//
// For every (sum, length) the table holds each combination of distinct digits 1 to 9 with that
// sum and that many digits, the union and intersection of those combinations, and which partial
// digit sets can still grow into one of them. Runs longer than nine cells or sums outside 1 to 45
// have no combinations at all, so a run that asks for one simply has no solution.
#pragma once

#include <bitset>
#include <vector>

#include "solver/DigitMask.h"

namespace levels {

class CSumTable {
public:
    static constexpr int maxLength = 9;
    static constexpr int maxSum = 45;

    static const CSumTable& instance();  // built once, on first use

    const std::vector<DigitMask>& combinations(int sum, int length) const;
    DigitMask possibleDigits(int sum, int length) const;  // in at least one combination
    DigitMask requiredDigits(int sum, int length) const;  // in every combination; 0 when none
    // Bit p is set when digit set p is a subset of some combination (p can still grow into one).
    const std::bitset<512>& extendable(int sum, int length) const;

private:
    struct Entry {
        std::vector<DigitMask> combinations;
        DigitMask possible = 0;
        DigitMask required = 0;
        std::bitset<512> extendable;
    };

    CSumTable();
    static bool valid(int sum, int length) {
        return sum >= 1 && sum <= maxSum && length >= 1 && length <= maxLength;
    }

    Entry entries_[maxSum + 1][maxLength + 1];
};

}  // namespace levels
