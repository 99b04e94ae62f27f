// The INI text and the window icon's BMP.
#include <gtest/gtest.h>

#include <string>

#include "BmpFile.h"
#include "IniText.h"
#include "tests/support/TestFiles.h"

using namespace assetgen;

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
              "[Fonts]\r\nFontActive=DigitsActive.ini\r\nFontActiveItalic=0\r\nFontActiveColor.R=1\r\n"
              "FontActiveColor.G=0.5\r\nFontActiveColor.B=0\r\nFontActiveColor.A=0.25\r\n\r\n[charset]\r\n0=60\r\n");
}

// The header fields Windows reads (a BITMAPV4HEADER, for its alpha mask), then the rows bottom-up.
TEST(BmpFile, ThirtyTwoBitsWithAnAlphaMaskAndRowsBottomUp) {
    Image image(2, 2);
    image.at(0, 0) = {1, 0, 0, 1};        // top-left red
    image.at(1, 1) = {0, 0, 0.5f, 0.5f};  // bottom-right half-transparent blue
    std::vector<uint8_t> bmp = encodeBmp(image);
    ASSERT_EQ(bmp.size(), 14u + 108u + 16u);
    EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
    for (auto [at, value] : {std::pair{2, 138u}, {10, 122u}, {14, 108u}, {18, 2u}, {22, 2u}, {30, 3u}, {66, 0xFF000000u}})
        EXPECT_EQ(testsupport::le32(bmp, at), value) << "offset " << at;  // size, pixels, header, width, height, BI_BITFIELDS, alpha
    EXPECT_EQ(bmp[28], 32);
    const uint8_t* bottomRow = &bmp[122];
    const uint8_t* topRow = &bmp[122 + 8];
    EXPECT_EQ(bottomRow[4 + 0], 255);  // bottom-right: blue at straight full strength
    EXPECT_EQ(bottomRow[4 + 3], 128);
    EXPECT_EQ(topRow[2], 255);  // top-left: red
    EXPECT_EQ(topRow[3], 255);
}
