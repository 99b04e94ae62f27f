// The game folder the build assembles ($TALLIX_GAME_DIR; missing is a failure, never a skip), read
// the way the game reads it, and the tool that draws it. Where the style's numbers land on a drawn
// board is tests/render/ShippedBoardsRenderTest.cpp's.
// Sections: the tool's runs | files and images | styles | the main font
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/IniFile.h"
#include "app/Shell.h"
#include "game/StyleCatalogue.h"
#include "gfx/DdsImage.h"
#include "gfx/MainFontWidths.h"
#include "platform/Platform.h"
#include "puzzle/StartingView.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

fs::path gameFolder;  // set by BuiltData for the running test

class BuiltData : public testing::Test {
protected:
    void SetUp() override {
        gameFolder = testsupport::builtGameFolder();
        ASSERT_FALSE(HasFailure());
    }
};
using Assetgen = BuiltData;
using GameData = BuiltData;
using StyleData = BuiltData;
using MainFontData = BuiltData;

fs::path data(const std::string& relative) { return gameFolder / "Data" / relative; }
IniFile ini(const fs::path& path) { return IniFile(testsupport::wide(path)); }

// Level 0 of a DDS file as the game uploads it: blue, green, red, alpha, top row first.
struct Picture {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> bgra;
    const uint8_t* at(uint32_t x, uint32_t y) const { return &bgra[(size_t(y) * width + x) * 4]; }
};

bool readPicture(const fs::path& path, Picture& picture) {
    nv_dds::CImageFile file;
    if (!file.readFile(path.string()) || file.format() != nv_dds::FormatBgra) return false;
    const nv_dds::CTexture& level = file.texture(0);
    picture = {level.width(), level.height(), std::vector<uint8_t>(level.pixels(), level.pixels() + level.size())};
    return true;
}

// Every file below a folder, as paths relative to it with '/', in sorted order.
std::vector<std::string> filesBelow(const fs::path& root) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) names.push_back(entry.path().lexically_relative(root).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

// ---- the tool's runs: the same source gives the same bytes; failing to write fails the run -----

TEST_F(Assetgen, TheToolWritesIdenticalBytesTwiceAndFailsOnAnUnwritableFolder) {
    const char* named = std::getenv("TALLIX_ASSETGEN");
    fs::path tool = named && *named ? fs::path(named) : gameFolder.parent_path() / "tools" / "assetgen" / "assetgen";
    ASSERT_TRUE(fs::is_regular_file(tool)) << "no assetgen at " << tool << " (set TALLIX_ASSETGEN)";
    const fs::path scratch = testsupport::freshFolder();
    auto run = [&](const fs::path& output) {
        int status = std::system(("\"" + tool.string() + "\" \"" + output.string() + "\" 2>/dev/null").c_str());
        return status == -1 ? -1 : WEXITSTATUS(status);
    };
    ASSERT_EQ(run(scratch / "first"), 0);
    ASSERT_EQ(run(scratch / "second"), 0);
    std::vector<std::string> names = filesBelow(scratch / "first");
    ASSERT_EQ(names, filesBelow(scratch / "second"));
    EXPECT_GT(names.size(), 80u);
    for (const std::string& name : names)
        EXPECT_TRUE(testsupport::readBytes(scratch / "first" / name) == testsupport::readBytes(scratch / "second" / name))
            << name << " differs";
    testsupport::writeText(scratch / "blocked", "a file where the folder should be");
    EXPECT_NE(run(scratch / "blocked"), 0);
}

// ---- files and images -------------------------------------------------------------------------

// (The fonts, icons, medals, shadows and INI files the tests below read are not listed again.)
TEST_F(GameData, EveryFileTheGameNamesExistsUnderItsExactName) {
    std::vector<std::string> names = {"Back.dds", "MedalSilver.dds", "MedalBronze.dds"};
    for (std::string folder : {"Styles/PopClassic/", "Styles/PopClassicQuad/"})
        for (int i = 0; i < 10; ++i) {
            names.push_back(folder + std::to_string(i) + ".dds");
            names.push_back(folder + std::to_string(i) + "ch.dds");
        }
    for (const std::string& name : names) EXPECT_TRUE(fs::is_regular_file(data(name))) << name;
    std::vector<uint8_t> icon = testsupport::readBytes(data("Icon.bmp"));  // the tool's BmpFile test checks its header
    EXPECT_TRUE(icon.size() == 122 + 64 * 64 * 4 && icon[18] == 64 && icon[22] == 64) << "Icon.bmp is no 64 x 64 BMP";
}

TEST_F(GameData, EveryImageReadsBackAsBgraWithPowerOfTwoSidesAndAFullChain) {
    int images = 0;
    for (const std::string& name : filesBelow(gameFolder / "Data")) {
        if (fs::path(name).extension() != ".dds") continue;
        ++images;
        SCOPED_TRACE(name);
        nv_dds::CImageFile file;
        ASSERT_TRUE(file.readFile(data(name).string()));
        EXPECT_EQ(file.format(), nv_dds::FormatBgra);
        EXPECT_EQ(file.components(), 4);
        EXPECT_EQ(file.kind(), nv_dds::TextureFlat);
        ASSERT_EQ(file.textureCount(), 1u);
        const nv_dds::CTexture& texture = file.texture(0);
        auto powerOfTwo = [](uint32_t side) { return side != 0 && (side & (side - 1)) == 0; };
        EXPECT_TRUE(powerOfTwo(texture.width()) && powerOfTwo(texture.height())) << texture.width() << " x " << texture.height();
        uint32_t width = texture.width(), height = texture.height();
        size_t bytes = 128 + texture.size();  // what the file must hold for its level 0 and chain
        for (const nv_dds::CSurface& level : texture.mipmaps()) {
            width = std::max(1u, width / 2);
            height = std::max(1u, height / 2);
            EXPECT_EQ(std::make_pair(level.width(), level.height()), std::make_pair(width, height));
            bytes += level.size();
        }
        EXPECT_TRUE(texture.mipmapCount() == 0 || (width == 1 && height == 1)) << "chain stops early";
        EXPECT_EQ(fs::file_size(data(name)), bytes);
    }
    EXPECT_GT(images, 60);
}

// Images the game draws in a colour of its choosing (GL_MODULATE) must be white; coloured images
// must have no dark fringe where they are transparent (filtering mixes it into the edge).
TEST_F(GameData, TintedImagesAreWhiteAndColouredOnesHaveNoDarkFringe) {
    std::vector<std::string> tinted = {"MainFont.dds", "Zoom.dds", "Move.dds", "Up.dds", "Down.dds", "MedalNone.dds",
                                       "Styles/PopClassic/shadow.dds", "Styles/PopClassicQuad/shadow.dds"};
    for (const std::string& file : filesBelow(data("Styles")))
        if (file.find("Digits") != std::string::npos && fs::path(file).extension() == ".dds") tinted.push_back("Styles/" + file);
    for (const std::string& name : tinted) {
        SCOPED_TRACE(name);
        Picture picture;
        ASSERT_TRUE(readPicture(data(name), picture));
        size_t visible = 0, coloured = 0;
        for (size_t i = 0; i < picture.bgra.size(); i += 4) {
            if (picture.bgra[i + 3] == 0) continue;
            ++visible;
            coloured += picture.bgra[i] != 255 || picture.bgra[i + 1] != 255 || picture.bgra[i + 2] != 255;
        }
        EXPECT_EQ(coloured, 0u) << "texels that are not white";
        EXPECT_GT(visible, 0u) << "nothing drawn";
        EXPECT_EQ(picture.at(0, 0)[3], 0) << "the corner is not transparent";
    }
    for (const char* name : {"MedalGold.dds", "Styles/PopClassic/5.dds", "Styles/PopClassicQuad/5ch.dds"}) {
        Picture picture;
        ASSERT_TRUE(readPicture(data(name), picture)) << name;
        const uint8_t* corner = picture.at(0, 0);
        EXPECT_EQ(corner[3], 0) << name;
        EXPECT_GT(corner[0] + corner[1] + corner[2], 60) << name;
    }
}

TEST_F(GameData, BackdropColoursAreListedInFull) {
    IniFile colours = ini(data("BackColors.ini"));
    int count = colours.readInt(L"BackColors", L"count", 0);
    EXPECT_GE(count, 3);
    for (int i = 0; i < count; ++i)
        for (const wchar_t* channel : {L"r", L"g", L"b"}) {
            int value = colours.readInt(L"color" + std::to_wstring(i), channel, -1);
            EXPECT_TRUE(value >= 0 && value <= 255) << "color" << i << " " << channel << " " << value;
        }
}

// Levels keep their cells clear of the areas the captions over a board at its starting view may
// cover; the captions as the shipped font draws them must stay inside those areas.
TEST_F(GameData, CaptionsOverTheStartingViewStayInTheAreasLevelsKeepClear) {
    std::wstring savedBase = baseDirectory;
    baseDirectory = testsupport::wide(gameFolder) + L"\\";
    MainFontWidths widths = readMainFontWidths(L"Data\\MainFont.ini");
    baseDirectory = savedBase;
    using namespace startingView;
    EXPECT_LE(retireLeft + measureText(widths, "Retire", retireScale), retireArea.right);
    for (char digit = '0'; digit <= '9'; ++digit) {
        std::string clock = std::string(3, digit) + ":" + std::string(2, digit);
        EXPECT_LE(clockLeft + measureText(widths, clock, clockScale), clockArea.right) << clock;
    }
}

// ---- styles -----------------------------------------------------------------------------------

namespace {

constexpr double CellSize = 0.05;  // a board cell at zoom 1, in view units

struct Rgb {
    double r = 0, g = 0, b = 0;
};

std::vector<std::wstring> listedStyles() { return readStyleCatalogue(testsupport::wide(data("Styles/VisualStyles.ini"))); }

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

}  // namespace

TEST_F(StyleData, EveryListedStyleIsCompleteAndItsFontsMatchTheirTextures) {
    std::vector<std::wstring> styles = listedStyles();
    EXPECT_GE(styles.size(), 3u);
    for (const std::wstring& name : styles) {
        SCOPED_TRACE(platform::toUtf8(name));
        ASSERT_TRUE(fs::is_regular_file(styleFile(name, L"Style.ini")));
        IniFile style = ini(styleFile(name, L"Style.ini"));
        for (const wchar_t* key : {L"CellActiveMap", L"CellHandleMap", L"CellUnusedMap"}) {
            std::wstring file = style.readString(L"Cells", key);
            EXPECT_TRUE(!file.empty() && fs::is_regular_file(styleFile(name, file))) << key;
        }
        for (const wchar_t* key : {L"FontActiveSize", L"FontActiveSizePV", L"FontHandleSize", L"FontLockedSize"})
            EXPECT_GT(style.readFloat(L"Fonts", key, -1), 0) << key;
        for (const std::wstring key : {L"FontActive", L"FontHandle", L"FontLocked"}) {
            std::wstring fontFile = style.readString(L"Fonts", key);
            SCOPED_TRACE(platform::toUtf8(key + L" " + fontFile));
            ASSERT_TRUE(!fontFile.empty() && fs::is_regular_file(styleFile(name, fontFile)));
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
            for (std::wstring texture : {L"map", L"shadow"}) {
                std::wstring file = font.readString(L"global", texture);
                if (file.empty() && texture == L"shadow" && !shadow) continue;
                Picture picture;
                ASSERT_TRUE(readPicture(styleFile(name, file), picture)) << file;
                EXPECT_EQ(std::make_pair(picture.width, picture.height), std::make_pair(uint32_t(width), uint32_t(height)));
            }
        }
    }
}

// Digits and marks are sized for a cell; wrong digits and the hovered mark stand out from right ones.
// (That numbers stand out from their cells is the render test's, on every style.)
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
    }
}

// ---- the main font ----------------------------------------------------------------------------

// Every printable character has a width that fits its 32-pixel cell. The game samples a band of
// the glyph's width centred in the cell: ink outside the band is cut off, ink on the cell's top or
// bottom row bleeds into the next row of glyphs.
TEST_F(MainFontData, EveryCharacterFitsItsCellAndItsInkTheBandTheGameSamples) {
    IniFile font = ini(data("MainFont.ini"));
    Picture picture;
    ASSERT_TRUE(readPicture(data("MainFont.dds"), picture));
    ASSERT_EQ(std::make_pair(picture.width, picture.height), std::make_pair(512u, 512u));
    for (int code = 0; code < 256; ++code) {
        double width = font.readInt(L"Char Widths", std::to_wstring(code), code >= 32 && code < 127 ? -1 : 10);
        EXPECT_TRUE(code < 32 || code >= 127 || (width > 0 && width <= 32)) << "code " << code << " width " << width;
        double left = 16 - width / 2 - 1, right = 16 + width / 2 + 1;  // a pixel of filtering either side
        int outside = 0;
        for (uint32_t y = 0; y < 32; ++y)
            for (uint32_t x = 0; x < 32; ++x) {
                bool inBand = x >= left && x + 1 <= right && y > 0 && y < 31;
                outside += picture.at((code % 16) * 32 + x, (code / 16) * 32 + y)[3] > 24 && !inBand;
            }
        EXPECT_EQ(outside, 0) << "code " << code << " (width " << width << ")";
    }
}
