// The generated Data folder: every file the game asks for is there under its exact name, every
// image reads back through the game's DDS reader as BGRA with power-of-two sides and a complete
// mipmap chain, images the game tints are white on transparent, and the window icon is a BMP with
// alpha.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssetsTestSupport.h"
#include "app/Shell.h"
#include "gfx/MainFontWidths.h"
#include "puzzle/StartingView.h"

using namespace assettest;

namespace {

using GameData = BuiltData;

std::vector<std::string> namedByTheGame() {
    std::vector<std::string> names = {
        "MainFont.dds", "MainFont.ini", "Back.dds", "BackColors.ini", "Zoom.dds", "Move.dds",
        "Up.dds", "Down.dds", "MedalGold.dds", "MedalSilver.dds", "MedalBronze.dds",
        "MedalNone.dds", "Icon.bmp", "Styles/VisualStyles.ini",
    };
    for (const char* folder : {"Styles/PopClassic/", "Styles/PopClassicQuad/"}) {
        for (int i = 0; i < 10; ++i) {
            names.push_back(folder + std::to_string(i) + ".dds");
            names.push_back(folder + std::to_string(i) + "ch.dds");
        }
        names.push_back(std::string(folder) + "shadow.dds");
    }
    return names;
}

// Images the game draws in a colour of its choosing (GL_MODULATE), so their colour must be white.
std::vector<std::string> tintedImages() {
    std::vector<std::string> names = {"MainFont.dds", "Zoom.dds", "Move.dds", "Up.dds", "Down.dds",
                                      "MedalNone.dds", "Styles/PopClassic/shadow.dds",
                                      "Styles/PopClassicQuad/shadow.dds"};
    for (const std::string& file : filesBelow(data("Styles"))) {
        if (file.find("Digits") != std::string::npos && file.size() > 4 &&
            file.compare(file.size() - 4, 4, ".dds") == 0) {
            names.push_back("Styles/" + file);
        }
    }
    return names;
}

// Bytes a DDS file must hold for its level-0 size and mipmap count.
size_t expectedFileSize(const nv_dds::CImageFile& file) {
    const nv_dds::CTexture& texture = file.texture(0);
    size_t size = 128 + texture.size();
    for (const nv_dds::CSurface& level : texture.mipmaps()) size += level.size();
    return size;
}

}  // namespace

TEST_F(GameData, EveryFileTheGameNamesExistsUnderItsExactName) {
    for (const std::string& name : namedByTheGame()) {
        EXPECT_TRUE(std::filesystem::is_regular_file(data(name))) << name;
    }
}

TEST_F(GameData, EveryImageReadsBackAsBgraWithPowerOfTwoSidesAndAFullChain) {
    int images = 0;
    for (const std::string& name : filesBelow(gameFolder / "Data")) {
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".dds") != 0) continue;
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
        EXPECT_TRUE(powerOfTwo(texture.width()) && powerOfTwo(texture.height()))
            << texture.width() << " x " << texture.height();
        uint32_t width = texture.width(), height = texture.height();
        for (const nv_dds::CSurface& level : texture.mipmaps()) {
            width = std::max(1u, width / 2);
            height = std::max(1u, height / 2);
            EXPECT_EQ(level.width(), width);
            EXPECT_EQ(level.height(), height);
        }
        if (texture.mipmapCount() > 0) {
            EXPECT_TRUE(width == 1 && height == 1) << "chain stops early";
        }
        EXPECT_EQ(std::filesystem::file_size(data(name)), expectedFileSize(file));
    }
    EXPECT_GT(images, 60);
}

TEST_F(GameData, TintedImagesAreWhiteOnTransparent) {
    for (const std::string& name : tintedImages()) {
        SCOPED_TRACE(name);
        Picture picture;
        ASSERT_TRUE(readPicture(data(name), picture));
        size_t visible = 0, coloured = 0;
        for (size_t i = 0; i < picture.bgra.size(); i += 4) {
            if (picture.bgra[i + 3] == 0) continue;
            ++visible;
            if (picture.bgra[i] != 255 || picture.bgra[i + 1] != 255 || picture.bgra[i + 2] != 255) ++coloured;
        }
        EXPECT_EQ(coloured, 0u) << "texels that are not white";
        EXPECT_GT(visible, 0u) << "nothing drawn";
        EXPECT_EQ(picture.at(0, 0)[3], 0) << "the corner is not transparent";
    }
}

TEST_F(GameData, ColouredImagesHaveNoDarkFringeWhereTheyAreTransparent) {
    // Filtering mixes the colour of invisible texels into the edge; black there would darken it.
    for (const char* name : {"MedalGold.dds", "Styles/PopClassic/5.dds", "Styles/PopClassicQuad/5ch.dds"}) {
        SCOPED_TRACE(name);
        Picture picture;
        ASSERT_TRUE(readPicture(data(name), picture));
        const uint8_t* corner = picture.at(0, 0);
        EXPECT_EQ(corner[3], 0);
        EXPECT_GT(corner[0] + corner[1] + corner[2], 60);
    }
}

// The header fields Windows and SDL read (the tool's BmpFile test checks the pixel rows).
TEST_F(GameData, WindowIconIsAThirtyTwoBitBmpWithAlpha) {
    std::vector<uint8_t> bmp = testsupport::readBytes(data("Icon.bmp"));
    ASSERT_GE(bmp.size(), 122u);
    auto read32 = [&](size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | uint32_t(bmp[at + 3]) << 24; };
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(read32(2), bmp.size());
    EXPECT_EQ(read32(14), 108u);  // BITMAPV4HEADER: room for the alpha mask
    uint32_t width = read32(18), height = read32(22);
    EXPECT_TRUE((width == 32 && height == 32) || (width == 64 && height == 64));
    EXPECT_EQ(bmp[28], 32);
    EXPECT_EQ(read32(30), 3u);  // BI_BITFIELDS
    EXPECT_EQ(read32(66), 0xFF000000u);
    EXPECT_EQ(bmp.size(), read32(10) + size_t(width) * height * 4);
}

TEST_F(GameData, BackdropColoursAreListedInFull) {
    IniFile colours = ini(data("BackColors.ini"));
    int count = colours.readInt(L"BackColors", L"count", 0);
    EXPECT_GE(count, 3);
    for (int i = 0; i < count; ++i) {
        std::wstring section = L"color" + std::to_wstring(i);
        for (const wchar_t* channel : {L"r", L"g", L"b"}) {
            int value = colours.readInt(section, channel, -1);
            EXPECT_GE(value, 0) << "color" << i;
            EXPECT_LE(value, 255) << "color" << i;
        }
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
