// What a style holds on the GL side: medal images shared by every style, each image file loaded
// once, and the display lists of its fonts deleted with it.
#include "gfx/VisualStyle.h"

#include <memory>

#include "GLContext.h"
#include "gfx/TextureCache.h"
#include "platform/OpenGL.h"
#include "tests/support/DdsWriter.h"
#include "tests/support/TestFiles.h"

using namespace testsupport;

namespace {

class CVisualStyleRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        const DdsLevel white = solidBgra(4, 4, {255, 255, 255, 255});
        for (const char* medal : {"Gold", "Silver", "Bronze", "None"})
            writeBgraDds(folder / "Data" / (std::string("Medal") + medal + ".dds"), {white});
        for (const char* style : {"Wood", "Ice"}) {
            const fs::path dir = folder / "Data/Styles" / style;
            for (const char* image : {"Cell.dds", "Unused.dds", "Glyphs.dds"}) writeBgraDds(dir / image, {white});
            writeText(dir / "Digits.ini", "[global]\nmap=Glyphs.dds\n");
            writeText(dir / "Style.ini",
                      "[Cells]\nCellActiveMap=Cell.dds\nCellHandleMap=Cell.dds\nCellUnusedMap=Unused.dds\n"
                      "[Fonts]\nFontActive=Digits.ini\nFontHandle=Digits.ini\nFontLocked=Fixed.ini\n");
        }
    }

    CTextureCache cache;
};

}  // namespace

TEST_F(CVisualStyleRender, StylesShareMedalsAndCachedImages) {
    CVisualStyle wood(L"Wood", cache);
    CVisualStyle ice(L"Ice", cache);
    EXPECT_NE(wood.goldMedalTexture(), 0u);
    EXPECT_NE(wood.goldMedalTexture(), wood.noMedalTexture());
    EXPECT_EQ(wood.goldMedalTexture(), ice.goldMedalTexture());
    EXPECT_EQ(wood.noMedalTexture(), ice.noMedalTexture());
    EXPECT_NE(wood.activeCellTexture(), 0u);
    EXPECT_EQ(wood.activeCellTexture(), wood.handleCellTexture());  // one image, loaded once
    EXPECT_NE(wood.unusedCellTexture(), wood.activeCellTexture());
    EXPECT_NE(wood.activeCellTexture(), ice.activeCellTexture());   // another folder, another file
    EXPECT_NE(wood.activeFont()->glyphTexture(), 0u);
    EXPECT_EQ(wood.lockedFont()->glyphTexture(), 0u);                // Fixed.ini does not exist
}

TEST_F(CVisualStyleRender, DestructionDeletesTheListsOfEachFont) {
    auto style = std::make_unique<CVisualStyle>(L"Wood", cache);
    ASSERT_EQ(style->fontCount(), 2u);
    const uint32_t shared = style->activeFont()->uprightList(0), locked = style->lockedFont()->uprightList(0);
    ASSERT_TRUE(glIsList(shared));
    ASSERT_TRUE(glIsList(locked + CStyleFont::listCount - 1));
    style.reset();
    for (uint32_t i = 0; i < CStyleFont::listCount; ++i) {
        EXPECT_FALSE(glIsList(shared + i));
        EXPECT_FALSE(glIsList(locked + i));
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
