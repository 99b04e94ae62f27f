#include "gfx/MainFontWidths.h"

#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"

namespace {

constexpr float pixel = 1.0f / 512.0f;

class CMainFontTest : public testsupport::GameFolderTest {};

}  // namespace

TEST_F(CMainFontTest, WidthsComeFromCharWidthsInPixelsOfA512Grid) {
    testsupport::writeText(folder / "Data/MainFont.ini", "[Char Widths]\n65=64\n200=16\n255=3\n0=0\n32 = 7 \n");
    MainFontWidths widths = readMainFontWidths(L"Data\\MainFont.ini");
    EXPECT_FLOAT_EQ(widths[65], 64 * pixel);
    EXPECT_FLOAT_EQ(widths[200], 16 * pixel);  // codes above 127 are their own keys
    EXPECT_FLOAT_EQ(widths[255], 3 * pixel);
    EXPECT_FLOAT_EQ(widths[0], 0.0f);
    EXPECT_FLOAT_EQ(widths[32], 7 * pixel);
    EXPECT_FLOAT_EQ(widths[66], 10 * pixel);  // absent key
    // Text widths add the widths of the unsigned bytes, times the scale.
    EXPECT_FLOAT_EQ(measureText(widths, "A\xC8", 1.0f), 80 * pixel);
    EXPECT_FLOAT_EQ(measureText(widths, "A\xC8" "B", 2.0f), 2 * 90 * pixel);
    EXPECT_FLOAT_EQ(measureText(widths, "", 3.0f), 0.0f);
}

TEST_F(CMainFontTest, MissingFileGivesTenPixelsForEveryCode) {
    MainFontWidths widths = readMainFontWidths(L"Data\\MainFont.ini");
    for (float width : widths) ASSERT_FLOAT_EQ(width, 10 * pixel);
}
