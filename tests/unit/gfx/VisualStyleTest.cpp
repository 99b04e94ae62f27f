#include "gfx/VisualStyle.h"

#include <gtest/gtest.h>

#include "gfx/TextureCache.h"
#include "tests/support/TestFiles.h"

namespace {

// Builds fonts without GL and remembers which description files were asked for.
class CVisualStyleTest : public testsupport::GameFolderTest {
protected:
    CVisualStyle load(const std::wstring& name) {
        return CVisualStyle(name, cache, [this](CTextureCache&, const std::wstring& iniName) {
            requested.push_back(iniName);
            return std::make_unique<CStyleFont>(readStyleFontDescription(iniName));
        });
    }
    void writeStyle(const char* name, const std::string& text) {
        testsupport::writeText(folder / "Data/Styles" / name / "Style.ini", text);
    }

    CTextureCache cache;  // only ever asked for files that do not exist: no GL needed
    std::vector<std::wstring> requested;
};

}  // namespace

// Font keys naming one file share one font; names that differ in case are two files.
TEST_F(CVisualStyleTest, EachFontFileIsLoadedOnce) {
    writeStyle("Wood", "[Fonts]\nFontActive=Digits.ini\nFontHandle=Digits.ini\nFontLocked=Fixed.ini\n");
    writeStyle("Ice", "[Fonts]\nFontActive=Digits.ini\nFontHandle=digits.ini\nFontLocked=Digits.ini\n");
    CVisualStyle wood = load(L"Wood");
    EXPECT_EQ(wood.activeFont(), wood.handleFont());
    EXPECT_NE(wood.activeFont(), wood.lockedFont());
    EXPECT_EQ(wood.fontCount(), 2u);
    EXPECT_EQ(requested, (std::vector<std::wstring>{L"Data\\Styles\\Wood\\Digits.ini", L"Data\\Styles\\Wood\\Fixed.ini"}));
    CVisualStyle ice = load(L"Ice");
    EXPECT_NE(ice.activeFont(), ice.handleFont());
    EXPECT_EQ(ice.activeFont(), ice.lockedFont());
    EXPECT_EQ(ice.fontCount(), 2u);
}

TEST_F(CVisualStyleTest, MissingStyleGivesDefaultsAndOneSharedDefaultFont) {
    CVisualStyle style = load(L"Missing");
    EXPECT_EQ(style.fontCount(), 1u);  // the empty name: built from the folder itself
    EXPECT_EQ(requested, std::vector<std::wstring>{L"Data\\Styles\\Missing\\"});
    EXPECT_EQ(style.activeFont(), style.lockedFont());
    EXPECT_FLOAT_EQ(style.activeFont()->glyphHeight(), 0.09375f);
    EXPECT_EQ(style.activeCellTexture(), 0u);
    EXPECT_EQ(style.goldMedalTexture(), 0u);
    EXPECT_FLOAT_EQ(style.activeFontSizePV(), 1.0f);
    EXPECT_FALSE(style.lockedShadow());
    EXPECT_EQ(style.handleColour(), (Colour{1, 1, 1, 1}));
    EXPECT_EQ(style.unusedCellColour(), (Colour{1, 1, 1, 0}));
}

TEST_F(CVisualStyleTest, ReadsSizesFlagsAndColoursComponentByComponent) {
    writeStyle("Wood", "[Fonts]\nFontActiveSize=0.8\nFontLockedSize=1.25\nFontHandleItalic=1\n"
                       "FontActiveShadow=yes\nFontLockedItalic=0\nFontActiveColor.R=0\n"
                       "FontActiveColorUnCorrect.R=1\nFontActiveColorUnCorrect.G=0.2\n"
                       "FontActiveColorUnCorrect.B=0.2\nFontLockedColor.A=0.5\n");
    CVisualStyle style = load(L"Wood");
    EXPECT_FLOAT_EQ(style.activeFontSize(), 0.8f);
    EXPECT_FLOAT_EQ(style.handleFontSize(), 1.0f);
    EXPECT_FLOAT_EQ(style.lockedFontSize(), 1.25f);
    EXPECT_TRUE(style.handleItalic());
    EXPECT_FALSE(style.activeItalic());
    EXPECT_TRUE(style.activeShadow());  // anything but a leading 0 is true
    EXPECT_FALSE(style.lockedItalic());
    EXPECT_EQ(style.activeColour(), (Colour{0, 1, 1, 1}));
    EXPECT_EQ(style.activeColourUnCorrect(), (Colour{1, 0.2f, 0.2f, 1}));
    EXPECT_EQ(style.lockedColour(), (Colour{1, 1, 1, 0.5f}));
    EXPECT_EQ(style.activeColourPVSelect(), (Colour{1, 1, 1, 1}));
}
