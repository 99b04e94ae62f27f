#include "gfx/StyleFont.h"

#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"

namespace {

using CStyleFontTest = testsupport::GameFolderTest;

CStyleFont metrics(const std::wstring& iniName) { return CStyleFont(readStyleFontDescription(iniName)); }

TEST_F(CStyleFontTest, MissingFileGivesDefaultMetricsAndNoShadow) {
    CStyleFont font = metrics(L"Data\\Styles\\None\\Digits.ini");
    EXPECT_FLOAT_EQ(font.glyphHeight(), 0.09375f);
    for (int digit = 0; digit < 10; ++digit) EXPECT_FLOAT_EQ(font.width(digit), 11.0f / 512.0f);
    EXPECT_FALSE(font.hasShadow());
    EXPECT_EQ(font.shadowColour(), (Colour{1, 1, 1, 1}));
    EXPECT_FLOAT_EQ(font.shadowOffsetX(), 0.0f);
}

// A texture side of 0 would make every metric infinite; negative sides would mirror the glyphs.
TEST_F(CStyleFontTest, ReadsMetricsWidthsAndShadowComponentByComponentAndKeeps512ForBadSides) {
    testsupport::writeText(folder / "S/Digits.ini",
                           "[global]\nshadow=Shadow.dds\nshadowDelta.X=0.004\nshadowColor.A=0.5\n"
                           "width=256\nheight=128\ndeltaW=2\nblocksize=32\n[charset]\n1=6\n7=40\n");
    CStyleFont font = metrics(L"S\\Digits.ini");
    EXPECT_FLOAT_EQ(font.glyphHeight(), 32.0f / 256.0f);
    EXPECT_FLOAT_EQ(font.width(1), 8.0f / 256.0f);
    EXPECT_FLOAT_EQ(font.width(7), 42.0f / 256.0f);  // wider than a cell: not clamped
    EXPECT_FLOAT_EQ(font.width(0), 12.0f / 256.0f);
    EXPECT_TRUE(font.hasShadow());
    EXPECT_FLOAT_EQ(font.shadowOffsetX(), 0.004f);
    EXPECT_FLOAT_EQ(font.shadowOffsetY(), 0.0f);
    EXPECT_EQ(font.shadowColour(), (Colour{1, 1, 1, 0.5f}));

    testsupport::writeText(folder / "S/Zero.ini", "[global]\nwidth=0\nheight=-64\n");
    StyleFontDescription description = readStyleFontDescription(L"S\\Zero.ini");
    EXPECT_EQ(description.width, 512);
    EXPECT_EQ(description.height, 512);
    EXPECT_FLOAT_EQ(CStyleFont(description).glyphHeight(), 0.09375f);
}

TEST_F(CStyleFontTest, TexturesAreLookedForInTheFolderOfTheIniName) {
    EXPECT_EQ(readStyleFontDescription(L"Data\\Styles\\Wood\\Digits.ini").texturePath(L"Map.dds"),
              L"Data\\Styles\\Wood\\Map.dds");
    EXPECT_EQ(readStyleFontDescription(L"Digits.ini").texturePath(L"Map.dds"), L"Digits.ini\\Map.dds");
}

}  // namespace
