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

// Random runs against a brute-force filling: exact keeps precisely the digits of some filling; the
// plainer rules never remove one of them and only narrow.
TEST(RunRules, ExactIsPreciseAndPlainerRulesAreSound) {
    CRandom random(11);
    for (int trial = 0; trial < 6000; ++trial) {
        int sum, length;
        DigitMask cells[9], expected[9];
        randomRun(random, sum, length, cells);
        const bool feasible = bruteSupports(sum, length, cells, expected);
        for (Technique rule : {Technique::basic, Technique::combos, Technique::exact}) {
            DigitMask got[9];
            std::copy(cells, cells + length, got);
            const bool kept = applyRule(rule, sum, length, got);
            if (rule == Technique::exact) { ASSERT_EQ(kept, feasible) << "trial " << trial; }
            for (int i = 0; feasible && i < length; ++i) {
                ASSERT_TRUE(kept) << "trial " << trial;
                if (rule == Technique::exact) { ASSERT_EQ(got[i], expected[i]) << "trial " << trial << " cell " << i; }
                ASSERT_EQ(got[i] & expected[i], expected[i]) << "sound, trial " << trial;
                ASSERT_EQ(got[i] & ~cells[i], 0) << "only narrows, trial " << trial;
            }
        }
    }
}

// The candidates of each cell as digits ("*" all of them) before and after a rule; no "after": the
// rule finds the run unsatisfiable.
TEST(RunRules, EachRuleReachesWhatItPromises) {
    auto mask = [](const std::string& digits) {
        DigitMask m = digits == "*" ? allDigits : DigitMask(0);
        for (char d : digits) m = d == '*' ? m : DigitMask(m | digitBit(d - '0'));
        return m;
    };
    struct Row { Technique rule; int sum; std::vector<std::string> before, after; };
    const Row rows[] = {
        {Technique::basic, 6, {"*", "*", "*"}, {"123", "123", "123"}},  // 1 + 2 + 3 only
        {Technique::basic, 20, {"4", "9", "*"}, {"4", "9", "7"}},       // the last cell
        {Technique::basic, 8, {"4", "4"}, {}},
        {Technique::basic, 8, {"", "*"}, {}},
        {Technique::combos, 16, {"79", "78"}, {"9", "7"}},  // 7 + 9: only the first cell takes the 9
        {Technique::combos, 7, {"12", "12", "12356789"}, {}},  // 1 + 2 + 4, and no cell takes the 4
        {Technique::exact, 10, {"12", "12", "*"}, {"12", "12", "7"}},
    };
    for (const Row& row : rows) {
        std::vector<DigitMask> cells, after;
        for (const std::string& digits : row.before) cells.push_back(mask(digits));
        for (const std::string& digits : row.after) after.push_back(mask(digits));
        EXPECT_EQ(applyRule(row.rule, row.sum, int(cells.size()), cells.data()), !after.empty()) << row.sum;
        if (!after.empty()) { EXPECT_EQ(cells, after) << row.sum; }
    }
    DigitMask pair[3] = {mask("12"), mask("12"), allDigits};
    ASSERT_TRUE(applyBasic(10, 3, pair));
    EXPECT_NE(pair[2], digitBit(7));  // the pair that exact sees through
    EXPECT_FALSE(applyBasic(8, 0, nullptr));  // a clue with no cells can never be completed
}
