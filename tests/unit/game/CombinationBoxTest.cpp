// The combination helper's lists: in reading order, with entered digits ruling sets out. Which sets
// a sum and length have is CSumTable's, tested there.
#include "game/CombinationBox.h"

#include <gtest/gtest.h>

TEST(Combinations, ListsSetsInReadingOrderWithEnteredDigitsRulingSetsOut) {
    // Sum, length, the run's entered digits (0: none), and the sets with the ruled-out ones in brackets.
    const std::tuple<int, int, std::vector<int>, std::string> rows[] = {
        {17, 3, {0, 0, 0}, "1 7 9|2 6 9|2 7 8|3 5 9|3 6 8|4 5 8|4 6 7"},
        {17, 3, {0, 9, 0}, "1 7 9|2 6 9|(2 7 8)|3 5 9|(3 6 8)|(4 5 8)|(4 6 7)"},
        {10, 3, {2, 0, 2}, "(1 2 7)|(1 3 6)|(1 4 5)|(2 3 5)"},  // a repeated digit rules out all
    };
    for (const auto& [sum, length, entered, sets] : rows) {
        RunCombinations list = combinationsFor(sum, length, entered);
        std::string text;
        for (size_t i = 0; i < list.sets.size(); ++i) {
            const std::string set = levels::digitList(list.sets[i], " ");
            text += (i ? "|" : "") + (list.ruledOut[i] ? "(" + set + ")" : set);
        }
        EXPECT_EQ(text, sets) << sum << " in " << length;
    }
}
