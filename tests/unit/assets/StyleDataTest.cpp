// The visual styles and the main font as the game will read them: every listed style is complete,
// its font descriptions match their textures, its numbers are sized for the board's cells and
// read clearly on them, and every printable character of the main font has a width and stays
// inside the band the game samples for it. Where the numbers land on a drawn board is the render
// test's (tests/render/ShippedStylesRenderTest.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "AssetsTestSupport.h"

using namespace assettest;

namespace {

using StyleData = BuiltData;
using MainFontData = BuiltData;

constexpr double CellSize = 0.05;  // a board cell at zoom 1, in view units

struct Rgb {
    double r = 0, g = 0, b = 0;
};

std::vector<std::wstring> listedStyles() {
    IniFile catalogue = ini(data("Styles/VisualStyles.ini"));
    std::vector<std::wstring> names;
    int count = catalogue.readInt(L"Styles", L"Count", 0);
    for (int i = 0; i < count; ++i) names.push_back(catalogue.readString(L"Styles", std::to_wstring(i)));
    return names;
}

fs::path styleFile(const std::wstring& style, const std::wstring& file) {
    return data("Styles/" + platform::toUtf8(style) + "/" + platform::toUtf8(file));
}

// The height of a style font's glyph quad at size 1, in view units of a texture's width.
double glyphHeight(const std::wstring& style, const std::wstring& fontFile) {
    IniFile font = ini(styleFile(style, fontFile));
    return font.readInt(L"global", L"blocksize", 48) / double(font.readInt(L"global", L"width", 512));
}

Rgb colour(const IniFile& style, const std::wstring& key) {
    return {style.readFloat(L"Fonts", key + L".R", 1), style.readFloat(L"Fonts", key + L".G", 1),
            style.readFloat(L"Fonts", key + L".B", 1)};
}

double distance(Rgb a, Rgb b) { return std::sqrt(std::pow(a.r - b.r, 2) + std::pow(a.g - b.g, 2) + std::pow(a.b - b.b, 2)); }

// Relative luminance and contrast ratio as the WCAG define them.
double luminance(Rgb c) {
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrast(Rgb a, Rgb b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The average colour a cell image shows.
Rgb meanColour(const fs::path& image) {
    Picture picture;
    Rgb sum;
    if (!readPicture(image, picture)) return sum;
    double weight = 0;
    for (size_t i = 0; i < picture.bgra.size(); i += 4) {
        double a = picture.bgra[i + 3] / 255.0;
        sum.b += picture.bgra[i] / 255.0 * a;
        sum.g += picture.bgra[i + 1] / 255.0 * a;
        sum.r += picture.bgra[i + 2] / 255.0 * a;
        weight += a;
    }
    return weight > 0 ? Rgb{sum.r / weight, sum.g / weight, sum.b / weight} : sum;
}

}  // namespace

TEST_F(StyleData, EveryListedStyleIsCompleteAndItsFontsMatchTheirTextures) {
    std::vector<std::wstring> styles = listedStyles();
    EXPECT_GE(styles.size(), 3u);
    for (const std::wstring& name : styles) {
        SCOPED_TRACE(platform::toUtf8(name));
        ASSERT_FALSE(name.empty());
        ASSERT_TRUE(fs::is_regular_file(styleFile(name, L"Style.ini")));
        IniFile style = ini(styleFile(name, L"Style.ini"));
        for (const wchar_t* key : {L"CellActiveMap", L"CellHandleMap", L"CellUnusedMap"}) {
            std::wstring file = style.readString(L"Cells", key);
            EXPECT_TRUE(!file.empty() && fs::is_regular_file(styleFile(name, file))) << platform::toUtf8(key);
        }
        for (const wchar_t* key : {L"FontActiveSize", L"FontActiveSizePV", L"FontHandleSize", L"FontLockedSize"})
            EXPECT_GT(style.readFloat(L"Fonts", key, -1), 0) << platform::toUtf8(key);
        for (const wchar_t* key : {L"FontActiveColor", L"FontActiveColorUnCorrect", L"FontActiveColorPVSelect",
                                   L"FontHandleColor", L"FontLockedColor"}) {
            for (const wchar_t* component : {L".R", L".G", L".B", L".A"}) {
                float value = style.readFloat(L"Fonts", std::wstring(key) + component, -1);
                EXPECT_TRUE(value >= 0 && value <= 1) << platform::toUtf8(key) << platform::toUtf8(component);
            }
        }
        for (const std::wstring key : {L"FontActive", L"FontHandle", L"FontLocked"}) {
            std::wstring fontFile = style.readString(L"Fonts", key);
            SCOPED_TRACE(platform::toUtf8(key + L" " + fontFile));
            ASSERT_TRUE(!fontFile.empty() && fs::is_regular_file(styleFile(name, fontFile)));
            EXPECT_FALSE(style.readString(L"Fonts", key + L"Italic").empty());
            EXPECT_FALSE(style.readString(L"Fonts", key + L"Shadow").empty());
            IniFile font = ini(styleFile(name, fontFile));
            int width = font.readInt(L"global", L"width", 512), height = font.readInt(L"global", L"height", 512);
            int block = font.readInt(L"global", L"blocksize", 48), deltaW = font.readInt(L"global", L"deltaW", 1);
            EXPECT_LE(10 * block, width) << "ten cells do not fit in a row";
            EXPECT_LE(block, height);
            for (int digit = 0; digit < 10; ++digit) {
                int band = font.readInt(L"charset", std::to_wstring(digit), 10) + deltaW;
                EXPECT_TRUE(band > 0 && band <= block) << "digit " << digit << " samples its neighbours";
            }
            bool shadow = style.readBool(L"Fonts", key + L"Shadow", false);
            for (const wchar_t* texture : {L"map", L"shadow"}) {
                std::wstring file = font.readString(L"global", texture);
                if (file.empty() && std::wstring(texture) == L"shadow" && !shadow) continue;
                Picture picture;
                ASSERT_TRUE(readPicture(styleFile(name, file), picture)) << platform::toUtf8(file);
                EXPECT_EQ(picture.width, uint32_t(width));
                EXPECT_EQ(picture.height, uint32_t(height));
            }
        }
    }
}

// Digits and marks are sized for a cell, and wrong digits, the hovered mark and every number stand
// out from the cells they are drawn on.
TEST_F(StyleData, NumbersAreSizedForTheirCellsAndReadClearly) {
    for (const std::wstring& name : listedStyles()) {
        SCOPED_TRACE(platform::toUtf8(name));
        IniFile style = ini(styleFile(name, L"Style.ini"));
        double active = glyphHeight(name, style.readString(L"Fonts", L"FontActive"));
        double digit = style.readFloat(L"Fonts", L"FontActiveSize", 1) * active;
        double given = style.readFloat(L"Fonts", L"FontLockedSize", 1) * glyphHeight(name, style.readString(L"Fonts", L"FontLocked"));
        double mark = style.readFloat(L"Fonts", L"FontActiveSizePV", 1) * active;
        for (double quad : {digit, given}) {
            EXPECT_LE(quad, CellSize * 1.001) << "a digit is taller than its cell";
            EXPECT_GE(quad, CellSize * 0.8) << "a digit looks lost in its cell";
        }
        EXPECT_LE(2 * CellSize / 3 + mark, CellSize * 1.05) << "the bottom row of marks leaves the cell";
        EXPECT_GE(mark, CellSize / 4) << "marks too small to read";

        Rgb right = colour(style, L"FontActiveColor");
        EXPECT_GE(distance(right, colour(style, L"FontActiveColorUnCorrect")), 0.4);
        EXPECT_GE(distance(right, colour(style, L"FontActiveColorPVSelect")), 0.3);
        Rgb playable = meanColour(styleFile(name, style.readString(L"Cells", L"CellActiveMap")));
        Rgb clueCell = meanColour(styleFile(name, style.readString(L"Cells", L"CellHandleMap")));
        EXPECT_GE(contrast(right, playable), 3.0);
        EXPECT_GE(contrast(colour(style, L"FontActiveColorUnCorrect"), playable), 3.0);
        EXPECT_GE(contrast(colour(style, L"FontLockedColor"), playable), 3.0);
        EXPECT_GE(contrast(colour(style, L"FontHandleColor"), clueCell), 3.0);
    }
}

TEST_F(MainFontData, EveryPrintableCharacterHasAWidthThatFitsItsCell) {
    IniFile font = ini(data("MainFont.ini"));
    for (int code = 32; code < 127; ++code) {
        int width = font.readInt(L"Char Widths", std::to_wstring(code), -1);
        EXPECT_GT(width, 0) << "code " << code;
        EXPECT_LE(width, 32) << "code " << code;
    }
}

// The game samples a band of the glyph's width centred in its 32-pixel cell: ink outside the band
// is cut off, ink on the cell's top or bottom row bleeds into the next row of glyphs.
TEST_F(MainFontData, InkStaysInsideTheBandTheGameSamples) {
    IniFile font = ini(data("MainFont.ini"));
    Picture picture;
    ASSERT_TRUE(readPicture(data("MainFont.dds"), picture));
    ASSERT_EQ(picture.width, 512u);
    ASSERT_EQ(picture.height, 512u);
    for (int code = 0; code < 256; ++code) {
        double width = font.readInt(L"Char Widths", std::to_wstring(code), 10);
        double left = 16 - width / 2 - 1, right = 16 + width / 2 + 1;  // a pixel of filtering either side
        int outside = 0;
        for (uint32_t y = 0; y < 32; ++y) {
            for (uint32_t x = 0; x < 32; ++x) {
                uint8_t alpha = picture.at((code % 16) * 32 + x, (code / 16) * 32 + y)[3];
                bool inBand = x >= left && x + 1 <= right && y > 0 && y < 31;
                if (alpha > 24 && !inBand) ++outside;
            }
        }
        EXPECT_EQ(outside, 0) << "code " << code << " (width " << width << ")";
    }
}
