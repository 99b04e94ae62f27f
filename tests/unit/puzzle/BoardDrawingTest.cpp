// The arithmetic behind the board drawing: digits of a number, earned medals, the times shown and
// the miniature's size. The pixels themselves are checked by the render tests.
#include "puzzle/BoardDrawLayout.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "puzzle/FormatTime.h"

namespace {

TEST(BoardDrawLayout, NumbersSplitIntoDecimalDigitsMostSignificantFirst) {
    for (auto [number, expected] : {std::pair{0, std::vector<int>{0}}, {12, {1, 2}}, {105, {1, 0, 5}},
                                    {2147483647, {2, 1, 4, 7, 4, 8, 3, 6, 4, 7}}, {-3, {}}}) {
        int digits[10];
        EXPECT_EQ(std::vector<int>(digits, digits + decimalDigits(number, digits)), expected) << number;
    }
}

// From bronze up, stopping at the first miss; a limit is reached with equality; a missing bronze
// limit earns nothing, and a damaged best time is no record.
TEST(BoardDrawLayout, MedalsAreEarnedFromBronzeUpAndStopAtTheFirstMiss) {
    struct Row { int32_t best, gold, silver, bronze, medals; };
    for (Row row : {Row{0, 60, 80, 120, 0}, Row{70, 60, 80, 120, 2}, Row{60, 60, 80, 120, 3}, Row{120, 60, 80, 120, 1},
                    Row{121, 60, 80, 120, 0}, Row{50, 60, 40, 120, 1}, Row{250, 100, 200, 0, 0}, Row{-5, 60, 80, 120, 0}})
        EXPECT_EQ(earnedMedals(row.best, row.gold, row.silver, row.bronze), row.medals) << row.best;
}

// The clock's minutes and seconds, each at least two digits; the card's best time the same, and
// "--//--" for none (0 or, from a damaged records file, below 0).
TEST(BoardDrawLayout, TimesAsMinutesAndSecondsAndNoBestTimeAsDashes) {
    char text[24];
    for (auto [seconds, expected] : {std::pair{0, "00:00"}, {59, "00:59"}, {75, "01:15"}, {600, "10:00"},
                                     {3600, "60:00"}, {6000, "100:00"}, {2147483647, "35791394:07"}}) {
        EXPECT_EQ(formatTime(uint32_t(seconds)), expected);
        EXPECT_STREQ(bestTimeText(seconds, text), seconds ? expected : "--//--");
    }
    EXPECT_STREQ(bestTimeText(-70, text), "--//--");
}

TEST(BoardDrawLayout, MiniatureFitsItsLongerSideAndEmptyBoardsHaveNone) {
    for (auto [width, height, side] : {std::tuple{10, 5, 0.02f}, {5, 10, 0.02f}, {49, 49, 0.2f / 49}, {0, 0, 0.0f},
                                       {0, 7, 0.0f}, {7, 0, 0.0f}})
        EXPECT_FLOAT_EQ(miniatureSide(width, height), side) << width << "x" << height;
}

}  // namespace
