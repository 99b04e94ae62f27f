#include "gfx/MainFont.h"

#include "GLContext.h"
#include "platform/OpenGL.h"
#include "tests/support/TestFiles.h"

namespace {

// A solid white glyph grid, so every glyph quad is a filled box exactly as wide as its width says.
// 'A' is 64 pixels of the 512 grid (100 frame pixels at scale 1), 'B' 32 (50), code 200 16 (25),
// code 255 14, the space 8 (its key and value written with blanks), 'C' the default 10.
class CMainFontRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        render::writeSolid(folder / "Data/MainFont.dds", {255, 255, 255, 255});
        testsupport::writeText(folder / "Data/MainFont.ini", "[Char Widths]\n65=64\n66=32\n200=16\n255=14\n32 = 8 \n");
        font = std::make_unique<CMainFont>(cache.getTexture(L"Data\\MainFont.dds"), L"Data\\MainFont.ini");
    }

    std::unique_ptr<CMainFont> font;
};

// The lit columns of the pixel row a little above the baseline 0.3.
render::Span spanOfText() { return render::litSpan(render::pixelRow(0.32f)); }

// Wide text draws the glyphs of the low 8 bits of each unit; an unknown alignment draws nothing.
TEST_F(CMainFontRender, TextStartsEndsOrCentresOnXAndAdvancesByItsWidths) {
    struct Case { const char* text; float x, scale; int alignment, first, last; };
    const Case cases[] = {
        {"\xFF" "C ", 0.25f, 2.0f, CMainFont::AlignLeft, 200, 299},
        {"AB", 0.25f, 1.0f, CMainFont::AlignLeft, 200, 349},
        {"AB", 0.75f, 2.0f, CMainFont::AlignRight, 300, 599},
        {"A\xC8", 0.5f, 1.0f, CMainFont::AlignCentre, 338, 462},  // 125 pixels wide
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        glClear(GL_COLOR_BUFFER_BIT);
        font->drawText(c.text, c.x, 0.3f, c.scale, c.alignment);
        EXPECT_NEAR(spanOfText().first, c.first, 1);
        EXPECT_NEAR(spanOfText().last, c.last, 1);
    }
    EXPECT_FLOAT_EQ(font->textWidth("AB", 1.0f), 150.0f / 800.0f);
    // The last text, at scale 1, is one cell high: 0.0625 view units above the baseline is dark.
    EXPECT_EQ(render::litSpan(render::pixelRow(0.3f + 0.0625f) + 1).first, -1);
    EXPECT_NE(render::litSpan(render::pixelRow(0.3f + 0.0625f) - 1).first, -1);

    glClear(GL_COLOR_BUFFER_BIT);
    font->drawTextW(L"\x0141\x01C8", 0.25f, 0.3f, 1.0f, CMainFont::AlignLeft);  // as "A\xC8"
    EXPECT_NEAR(spanOfText().first, 200, 1);
    EXPECT_NEAR(spanOfText().last, 324, 1);

    glClear(GL_COLOR_BUFFER_BIT);
    GLint depthBefore = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    font->drawText("AB", 0.5f, 0.3f, 1.0f, 3);
    font->drawText("AB", 0.5f, 0.3f, 1.0f, -1);
    font->drawText("", 0.5f, 0.3f, 1.0f, CMainFont::AlignCentre);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    EXPECT_EQ(spanOfText().first, -1);
}

}  // namespace
