#include "solver/SumTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace levels;

// Every set of digits 1 to 9, by its size and sum, against the table: the combinations (each
// once), their union and intersection, and the partial sets that can still grow into one. Runs of
// no cell or of ten, and sums outside 1 to 45, have none.
TEST(CSumTable, MatchesEveryDigitSetBySizeAndSum) {
    const CSumTable& table = CSumTable::instance();
    for (int length = 0; length <= 10; ++length) {
        for (int sum = -3; sum <= 50; ++sum) {
            std::set<DigitMask> expected;
            for (unsigned digits = 0; digits < 512; ++digits) {
                int size = 0, total = 0;
                for (int digit = 1; digit <= 9; ++digit)
                    if (digits & digitBit(digit)) ++size, total += digit;
                if (size == length && total == sum && sum >= 1) expected.insert(DigitMask(digits));
            }
            const auto& got = table.combinations(sum, length);
            EXPECT_EQ(std::set<DigitMask>(got.begin(), got.end()), expected) << sum << "/" << length;
            EXPECT_EQ(got.size(), expected.size()) << "no duplicates " << sum << "/" << length;
            DigitMask possible = 0, required = expected.empty() ? 0 : allDigits;
            for (DigitMask m : expected) possible |= m, required &= m;
            EXPECT_EQ(table.possibleDigits(sum, length), possible) << sum << "/" << length;
            EXPECT_EQ(table.requiredDigits(sum, length), required) << sum << "/" << length;
            for (unsigned partial = 0; partial < 512; ++partial) {
                bool inSome = false;
                for (DigitMask m : expected) inSome = inSome || (partial & ~m) == 0;
                ASSERT_EQ(table.extendable(sum, length)[partial], inSome) << sum << "/" << length << " " << partial;
            }
        }
    }
    EXPECT_EQ(table.combinations(10, 2).size(), 4u);  // 1+9 2+8 3+7 4+6
    EXPECT_EQ(table.possibleDigits(200, 3), 0);
}
