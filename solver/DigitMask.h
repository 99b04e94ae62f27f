// Digit sets as 9-bit masks: bit d - 1 stands for digit d. Every part of the level tools speaks
// in these, so a cell's candidates, a run's digits and a combination are all one small integer.
#pragma once

#include <cstdint>
#include <string>

namespace levels {

using DigitMask = uint16_t;

constexpr DigitMask allDigits = 0x1FF;

constexpr DigitMask digitBit(int digit) { return DigitMask(1u << (digit - 1)); }
inline int digitCount(unsigned mask) { return __builtin_popcount(mask); }
inline bool isSingle(unsigned mask) { return mask != 0 && (mask & (mask - 1)) == 0; }
inline int lowestDigit(unsigned mask) { return __builtin_ctz(mask) + 1; }  // mask must not be 0

// Sum of the digits in the mask.
inline int digitSum(unsigned mask) {
    int sum = 0;
    for (int digit = 1; digit <= 9; ++digit)
        if (mask & digitBit(digit)) sum += digit;
    return sum;
}

// The digits of the mask, lowest first, `separator` between them: "1 + 7 + 9" for " + ".
inline std::string digitList(unsigned mask, const char* separator) {
    std::string text;
    for (int digit = 1; digit <= 9; ++digit)
        if (mask & digitBit(digit)) text += (text.empty() ? "" : separator) + std::to_string(digit);
    return text;
}

}  // namespace levels
