// The arithmetic behind the board drawing: digits of a number, earned medals, the best-time caption
// and the miniature's size. The pixels themselves are checked by the render
// tests.
#include "puzzle/BoardDrawLayout.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "puzzle/FormatTime.h"

namespace {

std::vector<int> digitsOf(int32_t number) {
    int digits[10];
    int count = decimalDigits(number, digits);
    return std::vector<int>(digits, digits + count);
}

}  // namespace

TEST(BoardDrawLayout, NumbersSplitIntoDecimalDigitsMostSignificantFirst) {
    EXPECT_EQ(digitsOf(0), std::vector<int>({0}));
    EXPECT_EQ(digitsOf(12), std::vector<int>({1, 2}));
    EXPECT_EQ(digitsOf(105), std::vector<int>({1, 0, 5}));
    EXPECT_EQ(digitsOf(2147483647), std::vector<int>({2, 1, 4, 7, 4, 8, 3, 6, 4, 7}));
    EXPECT_TRUE(digitsOf(-3).empty());
}

TEST(BoardDrawLayout, MedalsAreEarnedFromBronzeUpAndStopAtTheFirstMiss) {
    EXPECT_EQ(earnedMedals(0, 60, 80, 120), 0);
    EXPECT_EQ(earnedMedals(70, 60, 80, 120), 2);
    EXPECT_EQ(earnedMedals(60, 60, 80, 120), 3);   // a limit is reached with equality
    EXPECT_EQ(earnedMedals(120, 60, 80, 120), 1);
    EXPECT_EQ(earnedMedals(121, 60, 80, 120), 0);
    EXPECT_EQ(earnedMedals(50, 60, 40, 120), 1);   // gold would hold, but silver fails first
    EXPECT_EQ(earnedMedals(250, 100, 200, 0), 0);  // a missing bronze limit earns nothing
    EXPECT_EQ(earnedMedals(-5, 60, 80, 120), 0);   // a damaged record is no record
}

TEST(BoardDrawLayout, BestTimeCaptionMatchesTheClockFormat) {
    char text[24];
    EXPECT_STREQ(bestTimeText(0, text), "--//--");
    EXPECT_STREQ(bestTimeText(-70, text), "--//--");
    for (int32_t seconds : {1, 59, 70, 600, 3600, 6000, 2147483647})
        EXPECT_EQ(std::string(bestTimeText(seconds, text)), formatTime(uint32_t(seconds))) << seconds;
}

TEST(BoardDrawLayout, MiniatureFitsItsLongerSideAndEmptyBoardsHaveNone) {
    EXPECT_FLOAT_EQ(miniatureSide(10, 5), 0.02f);
    EXPECT_FLOAT_EQ(miniatureSide(5, 10), 0.02f);
    EXPECT_FLOAT_EQ(miniatureSide(49, 49) * 49, 0.2f);
    EXPECT_EQ(miniatureSide(0, 0), 0.0f);
    EXPECT_EQ(miniatureSide(0, 7), 0.0f);
    EXPECT_EQ(miniatureSide(7, 0), 0.0f);
}
