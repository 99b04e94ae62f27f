#include "solver/SumTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace levels;

namespace {

// Every set of distinct digits with the given sum and size, by plain enumeration of digit lists.
std::set<DigitMask> bruteCombinations(int sum, int length) {
    std::set<DigitMask> found;
    std::vector<int> digits(length, 1);
    std::function<void(int, int, DigitMask)> pick = [&](int position, int total, DigitMask used) {
        if (position == length) {
            if (total == sum) found.insert(used);
            return;
        }
        for (int digit = 1; digit <= 9; ++digit)
            if (!(used & digitBit(digit))) pick(position + 1, total + digit, DigitMask(used | digitBit(digit)));
    };
    pick(0, 0, 0);
    return found;
}

}  // namespace

TEST(CSumTable, CombinationsMatchEnumerationForEverySumAndLength) {
    const CSumTable& table = CSumTable::instance();
    for (int length = 1; length <= 6; ++length) {  // 7 to 9 follow from their complements below
        for (int sum = 0; sum <= 50; ++sum) {
            const std::set<DigitMask> expected = bruteCombinations(sum, length);
            const auto& got = table.combinations(sum, length);
            EXPECT_EQ(std::set<DigitMask>(got.begin(), got.end()), expected) << sum << "/" << length;
            EXPECT_EQ(got.size(), expected.size()) << "no duplicates " << sum << "/" << length;
            DigitMask possible = 0, required = expected.empty() ? 0 : allDigits;
            for (DigitMask m : expected) possible |= m, required &= m;
            EXPECT_EQ(table.possibleDigits(sum, length), possible);
            EXPECT_EQ(table.requiredDigits(sum, length), required);
        }
    }
}

TEST(CSumTable, LongRunsAreComplementsOfShortOnes) {
    const CSumTable& table = CSumTable::instance();
    for (int length = 7; length <= 9; ++length) {
        for (int sum = 1; sum <= 45; ++sum) {
            std::set<DigitMask> complements;
            for (DigitMask m : table.combinations(45 - sum, 9 - length)) complements.insert(DigitMask(allDigits & ~m));
            if (length == 9) complements = sum == 45 ? std::set<DigitMask>{allDigits} : std::set<DigitMask>{};
            const auto& got = table.combinations(sum, length);
            EXPECT_EQ(std::set<DigitMask>(got.begin(), got.end()), complements) << sum << "/" << length;
        }
    }
}

TEST(CSumTable, KnownCluesAndImpossibleRequests) {
    const CSumTable& table = CSumTable::instance();
    EXPECT_EQ(table.combinations(3, 2), std::vector<DigitMask>{DigitMask(digitBit(1) | digitBit(2))});
    EXPECT_EQ(table.combinations(17, 2).size(), 1u);  // 8 + 9
    EXPECT_EQ(table.combinations(10, 2).size(), 4u);  // 1+9 2+8 3+7 4+6
    EXPECT_EQ(table.possibleDigits(10, 2), allDigits & ~digitBit(5));
    EXPECT_TRUE(table.combinations(2, 2).empty());    // 1 + 1 repeats a digit
    EXPECT_TRUE(table.combinations(46, 9).empty());
    EXPECT_TRUE(table.combinations(5, 0).empty());
    EXPECT_TRUE(table.combinations(45, 10).empty());
    EXPECT_TRUE(table.combinations(-3, 2).empty());
    EXPECT_EQ(table.possibleDigits(200, 3), 0);
}

TEST(CSumTable, ExtendableHoldsExactlyTheSubsetsOfCombinations) {
    const CSumTable& table = CSumTable::instance();
    for (int length = 1; length <= 9; ++length) {
        for (int sum = 1; sum <= 45; ++sum) {
            const auto& combos = table.combinations(sum, length);
            for (unsigned partial = 0; partial < 512; ++partial) {
                bool inSome = false;
                for (DigitMask m : combos) inSome = inSome || (partial & ~m) == 0;
                ASSERT_EQ(table.extendable(sum, length)[partial], inSome) << sum << "/" << length << " " << partial;
            }
        }
    }
}
