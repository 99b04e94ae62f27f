// The INI text and the window icon's BMP pixel layout.
#include <gtest/gtest.h>

#include <string>

#include "BmpFile.h"
#include "IniText.h"

using namespace assetgen;

TEST(IniText, NumbersAreShortFixedPointWithoutNegativeZero) {
    EXPECT_EQ(formatNumber(0.53333), "0.5333");
    EXPECT_EQ(formatNumber(1.0), "1");
    EXPECT_EQ(formatNumber(0.19), "0.19");
    EXPECT_EQ(formatNumber(-0.006), "-0.006");
    EXPECT_EQ(formatNumber(-0.00001), "0");
    EXPECT_EQ(formatNumber(250.0), "250");
}

TEST(IniText, SectionsKeysColoursAndBooleansAsTheGameReadsThem) {
    IniText ini;
    ini.section("Fonts");
    ini.set("FontActive", "DigitsActive.ini");
    ini.set("FontActiveItalic", false);
    ini.set("FontActiveColor", Colour{1, 0.5, 0, 0.25});
    ini.section("charset");
    ini.set("0", 60);
    std::vector<uint8_t> bytes = ini.bytes();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "[Fonts]\r\nFontActive=DigitsActive.ini\r\nFontActiveItalic=0\r\n"
              "FontActiveColor.R=1\r\nFontActiveColor.G=0.5\r\nFontActiveColor.B=0\r\n"
              "FontActiveColor.A=0.25\r\n\r\n[charset]\r\n0=60\r\n");
}

TEST(BmpFile, ThirtyTwoBitsWithAnAlphaMaskAndRowsBottomUp) {
    Image image(2, 2);
    image.at(0, 0) = {1, 0, 0, 1};  // top-left red
    image.at(1, 1) = {0, 0, 0.5f, 0.5f};  // bottom-right half-transparent blue
    std::vector<uint8_t> bmp = encodeBmp(image);
    ASSERT_EQ(bmp.size(), 14u + 108u + 16u);  // the header fields: GameData.WindowIconIsAThirtyTwoBitBmpWithAlpha
    EXPECT_EQ(bmp[10], 122);                   // pixels follow the headers
    const uint8_t* bottomRow = &bmp[122];
    const uint8_t* topRow = &bmp[122 + 8];
    EXPECT_EQ(bottomRow[4 + 0], 255);  // bottom-right: blue at straight full strength
    EXPECT_EQ(bottomRow[4 + 3], 128);
    EXPECT_EQ(topRow[2], 255);  // top-left: red
    EXPECT_EQ(topRow[3], 255);
}
