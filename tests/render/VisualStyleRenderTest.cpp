// What a style holds on the GL side: medal images shared by every style, each image file loaded
// once, and the display lists of its fonts deleted with it.
#include "gfx/VisualStyle.h"

#include "GLContext.h"
#include "platform/OpenGL.h"
#include "tests/support/TestFiles.h"

using namespace testsupport;

namespace {

using CVisualStyleRender = render::GLContextTest;

TEST_F(CVisualStyleRender, StylesShareMedalsAndCachedImagesAndDeleteTheirFontLists) {
    for (const char* image : {"MedalGold", "MedalSilver", "MedalBronze", "MedalNone", "Styles/Wood/Cell", "Styles/Wood/Unused",
                              "Styles/Wood/Glyphs", "Styles/Ice/Cell", "Styles/Ice/Unused", "Styles/Ice/Glyphs"})
        render::writeSolid(folder / "Data" / (image + std::string(".dds")), {255, 255, 255, 255});
    for (const char* name : {"Wood", "Ice"}) {
        const fs::path dir = folder / "Data/Styles" / name;
        writeText(dir / "Digits.ini", "[global]\nmap=Glyphs.dds\n");
        writeText(dir / "Style.ini",
                  "[Cells]\nCellActiveMap=Cell.dds\nCellHandleMap=Cell.dds\nCellUnusedMap=Unused.dds\n"
                  "[Fonts]\nFontActive=Digits.ini\nFontHandle=Digits.ini\nFontLocked=Fixed.ini\n");
    }
    auto wood = std::make_unique<CVisualStyle>(L"Wood", cache);
    CVisualStyle ice(L"Ice", cache);
    EXPECT_NE(wood->goldMedalTexture(), 0u);
    EXPECT_NE(wood->goldMedalTexture(), wood->noMedalTexture());
    EXPECT_EQ(wood->goldMedalTexture(), ice.goldMedalTexture());
    EXPECT_EQ(wood->noMedalTexture(), ice.noMedalTexture());
    EXPECT_NE(wood->activeCellTexture(), 0u);
    EXPECT_EQ(wood->activeCellTexture(), wood->handleCellTexture());  // one image, loaded once
    EXPECT_NE(wood->unusedCellTexture(), wood->activeCellTexture());
    EXPECT_NE(wood->activeCellTexture(), ice.activeCellTexture());   // another folder, another file
    EXPECT_NE(wood->activeFont()->glyphTexture(), 0u);
    EXPECT_EQ(wood->lockedFont()->glyphTexture(), 0u);                // Fixed.ini does not exist

    ASSERT_EQ(wood->fontCount(), 2u);
    const uint32_t shared = wood->activeFont()->uprightList(0), locked = wood->lockedFont()->uprightList(0);
    ASSERT_TRUE(glIsList(shared));
    ASSERT_TRUE(glIsList(locked + CStyleFont::listCount - 1));
    wood.reset();
    for (uint32_t i = 0; i < CStyleFont::listCount; ++i) {
        EXPECT_FALSE(glIsList(shared + i));
        EXPECT_FALSE(glIsList(locked + i));
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
