#include "gfx/StyleFont.h"

#include "GLContext.h"
#include "platform/OpenGL.h"
#include "tests/support/TestFiles.h"

using namespace testsupport;

namespace {

using CStyleFontRender = render::GLContextTest;

// Calls one glyph list at (x, y) and the given scale.
void drawGlyph(uint32_t list, float x, float y, float scale) {
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glScalef(scale, scale, scale);
    glCallList(list);
    glPopMatrix();
}

// Cells of 64 of 512 pixels and digit 1 of 64 pixels: at scale 2 the glyph is 200 frame pixels
// square and its slant moves the top edge 40 pixels right and the bottom edge 40 pixels left.
TEST_F(CStyleFontRender, SlantedDigitLeansRightAndUprightOneStandsStraight) {
    render::writeSolid(folder / "Digits/Glyphs.dds", {255, 255, 255, 255});
    writeText(folder / "Digits/Font.ini", "[global]\nmap=Glyphs.dds\nblocksize=64\ndeltaW=0\n[charset]\n1=64\n");
    CStyleFont font(cache, L"Digits\\Font.ini");
    ASSERT_NE(font.glyphTexture(), 0u);
    EXPECT_EQ(font.slantedList(0), font.uprightList(0) + 1);
    EXPECT_EQ(font.uprightList(9), font.uprightList(0) + 18);

    glBindTexture(GL_TEXTURE_2D, font.glyphTexture());
    drawGlyph(font.slantedList(1), 0.4f, 0.2f, 2.0f);
    int top = render::pixelRow(0.2f + 0.25f) - 2, bottom = render::pixelRow(0.2f) + 1;
    render::Span slantedTop = render::litSpan(top), slantedBottom = render::litSpan(bottom);
    EXPECT_NEAR(slantedTop.last, 559, 2);
    EXPECT_NEAR(slantedBottom.first, 280, 2);
    EXPECT_GT(slantedTop.first, slantedBottom.first + 70);
    EXPECT_GT(slantedTop.last, slantedBottom.last + 70);

    glClear(GL_COLOR_BUFFER_BIT);
    drawGlyph(font.uprightList(1), 0.1f, 0.2f, 2.0f);
    render::Span uprightTop = render::litSpan(top), uprightBottom = render::litSpan(bottom);
    EXPECT_NEAR(uprightTop.first, 80, 1);
    EXPECT_NEAR(uprightTop.last, 279, 1);
    EXPECT_EQ(uprightTop.first, uprightBottom.first);
    EXPECT_EQ(uprightTop.last, uprightBottom.last);
    glDeleteLists(font.uprightList(0), CStyleFont::listCount);
}

// A 128 x 16 texture with 8-pixel cells: cell 3 is red in rows 0-3 and blue in rows 4-7, every
// other cell green. Digit 3 shows its own cell, the first stored row at the top.
TEST_F(CStyleFontRender, DigitShowsItsOwnCellTheWayUpItIsStored) {
    DdsLevel level{128, 16, {}};
    for (uint32_t y = 0; y < 16; ++y)
        for (uint32_t x = 0; x < 128; ++x) {
            bool cell3 = x >= 24 && x < 32 && y < 8;
            Bgra c = !cell3 ? Bgra{0, 255, 0, 255} : y < 4 ? Bgra{0, 0, 255, 255} : Bgra{255, 0, 0, 255};
            level.bytes.insert(level.bytes.end(), {c.b, c.g, c.r, c.a});
        }
    writeBgraDds(folder / "S/Cells.dds", {level});
    writeText(folder / "S/Font.ini", "[global]\nmap=Cells.dds\nwidth=128\nheight=16\nblocksize=8\ndeltaW=0\n[charset]\n3=4\n");
    CStyleFont font(cache, L"S\\Font.ini");
    glBindTexture(GL_TEXTURE_2D, font.glyphTexture());
    drawGlyph(font.uprightList(3), 0.4f, 0.1f, 8.0f);  // 0.25 wide, 0.5 high
    EXPECT_TRUE(render::shows(0.525f, 0.1f + 0.375f, 255, 0, 0));
    EXPECT_TRUE(render::shows(0.525f, 0.1f + 0.125f, 0, 0, 255));
    glDeleteLists(font.uprightList(0), CStyleFont::listCount);
}

}  // namespace
