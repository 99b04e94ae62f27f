#include "solver/SumTable.h"

namespace levels {

const CSumTable& CSumTable::instance() {
    static const CSumTable table;
    return table;
}

CSumTable::CSumTable() {
    for (unsigned mask = 1; mask <= allDigits; ++mask) {
        Entry& entry = entries_[digitSum(mask)][digitCount(mask)];
        entry.combinations.push_back(DigitMask(mask));
    }
    for (int sum = 1; sum <= maxSum; ++sum) {
        for (int length = 1; length <= maxLength; ++length) {
            Entry& entry = entries_[sum][length];
            entry.required = entry.combinations.empty() ? 0 : allDigits;
            for (DigitMask combination : entry.combinations) {
                entry.possible |= combination;
                entry.required &= combination;
                // Every subset of a combination can still grow into it.
                for (unsigned subset = combination;; subset = (subset - 1) & combination) {
                    entry.extendable[subset] = true;
                    if (subset == 0) break;
                }
            }
        }
    }
}

const std::vector<DigitMask>& CSumTable::combinations(int sum, int length) const {
    static const std::vector<DigitMask> none;
    return valid(sum, length) ? entries_[sum][length].combinations : none;
}

const std::bitset<512>& CSumTable::extendable(int sum, int length) const {
    static const std::bitset<512> none;
    return valid(sum, length) ? entries_[sum][length].extendable : none;
}

DigitMask CSumTable::possibleDigits(int sum, int length) const {
    return valid(sum, length) ? entries_[sum][length].possible : 0;
}

DigitMask CSumTable::requiredDigits(int sum, int length) const {
    return valid(sum, length) ? entries_[sum][length].required : 0;
}

}  // namespace levels
