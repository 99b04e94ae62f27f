#include "solver/RunRules.h"

#include <gtest/gtest.h>

#include <functional>

#include "solver/Random.h"

using namespace levels;

namespace {

// The digits each cell takes in some complete filling of the run (distinct digits, right sum);
// false when there is no filling at all.
bool bruteSupports(int sum, int length, const DigitMask* cells, DigitMask* support) {
    std::fill(support, support + length, 0);
    std::vector<int> chosen(length);
    bool any = false;
    std::function<void(int, int, DigitMask)> pick = [&](int i, int total, DigitMask used) {
        if (i == length) {
            if (total != sum) return;
            any = true;
            for (int k = 0; k < length; ++k) support[k] |= digitBit(chosen[k]);
            return;
        }
        for (int digit = 1; digit <= 9; ++digit) {
            if (!(cells[i] & digitBit(digit)) || (used & digitBit(digit))) continue;
            chosen[i] = digit;
            pick(i + 1, total + digit, DigitMask(used | digitBit(digit)));
        }
    };
    pick(0, 0, 0);
    return any;
}

// A run with random candidates: mostly wide, sometimes decided, the sum near a real filling's.
void randomRun(CRandom& random, int& sum, int& length, DigitMask* cells) {
    length = 1 + random.below(6);
    sum = 0;
    for (int i = 0; i < length; ++i) {
        const int roll = random.below(4);
        cells[i] = roll == 0 ? digitBit(1 + random.below(9)) : DigitMask(random.next() & allDigits);
        if (cells[i] == 0) cells[i] = allDigits;
        sum += 1 + random.below(9);
    }
}

}  // namespace

TEST(RunRules, ExactKeepsPreciselyTheDigitsOfSomeFilling) {
    CRandom random(11);
    for (int trial = 0; trial < 4000; ++trial) {
        int sum, length;
        DigitMask cells[9], expected[9];
        randomRun(random, sum, length, cells);
        const bool feasible = bruteSupports(sum, length, cells, expected);
        DigitMask got[9];
        std::copy(cells, cells + length, got);
        ASSERT_EQ(applyExact(sum, length, got), feasible) << "trial " << trial;
        for (int i = 0; feasible && i < length; ++i)
            ASSERT_EQ(got[i], expected[i]) << "trial " << trial << " cell " << i;
    }
}

TEST(RunRules, PlainerRulesNeverRemoveADigitOfAFilling) {
    CRandom random(12);
    for (int trial = 0; trial < 4000; ++trial) {
        int sum, length;
        DigitMask cells[9], supported[9];
        randomRun(random, sum, length, cells);
        const bool feasible = bruteSupports(sum, length, cells, supported);
        for (Technique rule : {Technique::basic, Technique::combos}) {
            DigitMask got[9];
            std::copy(cells, cells + length, got);
            const bool kept = applyRule(rule, sum, length, got);
            if (feasible) {
                ASSERT_TRUE(kept) << "trial " << trial;
                for (int i = 0; i < length; ++i) {
                    ASSERT_EQ(got[i] & supported[i], supported[i]) << "sound, trial " << trial;
                    ASSERT_EQ(got[i] & ~cells[i], 0) << "only narrows, trial " << trial;
                }
            }
        }
    }
}

TEST(RunRules, BasicReadsSingleCombinationsAndCompletesRuns) {
    DigitMask cells[3] = {allDigits, allDigits, allDigits};
    ASSERT_TRUE(applyBasic(6, 3, cells));  // 1 + 2 + 3 only
    for (DigitMask d : cells) EXPECT_EQ(d, digitBit(1) | digitBit(2) | digitBit(3));

    DigitMask last[3] = {digitBit(4), digitBit(9), allDigits};
    ASSERT_TRUE(applyBasic(20, 3, last));  // 20 - 4 - 9
    EXPECT_EQ(last[2], digitBit(7));

    DigitMask repeated[2] = {digitBit(4), digitBit(4)};
    EXPECT_FALSE(applyBasic(8, 2, repeated));
    DigitMask empty[2] = {0, allDigits};
    EXPECT_FALSE(applyBasic(8, 2, empty));
    EXPECT_FALSE(applyBasic(8, 0, nullptr));  // a clue with no cells can never be completed
}

TEST(RunRules, CombosPlacesADigitWithOnlyOneHome) {
    // 16 in two cells is 7 + 9; only the first cell can hold the 9.
    DigitMask cells[2] = {DigitMask(digitBit(7) | digitBit(9)), DigitMask(digitBit(7) | digitBit(8))};
    ASSERT_TRUE(applyCombos(16, 2, cells));
    EXPECT_EQ(cells[0], digitBit(9));
    EXPECT_EQ(cells[1], digitBit(7));

    // 7 in three cells needs a 4 nobody can take.
    DigitMask none[3] = {DigitMask(digitBit(1) | digitBit(2)), DigitMask(digitBit(1) | digitBit(2)), allDigits & ~digitBit(4)};
    EXPECT_FALSE(applyCombos(7, 3, none));
}

TEST(RunRules, ExactSeesThroughAPairThatBasicMisses) {
    // 10 in three cells; the first two are 1 or 2 between them, so the third is 7.
    const DigitMask pair = DigitMask(digitBit(1) | digitBit(2));
    DigitMask basic[3] = {pair, pair, allDigits};
    DigitMask exact[3] = {pair, pair, allDigits};
    ASSERT_TRUE(applyBasic(10, 3, basic));
    ASSERT_TRUE(applyExact(10, 3, exact));
    EXPECT_NE(basic[2], digitBit(7));
    EXPECT_EQ(exact[2], digitBit(7));
}
