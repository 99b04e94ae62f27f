#include "gfx/MainFont.h"

#include <fstream>
#include <memory>

#include "tests/support/DdsWriter.h"
#include "GLContext.h"
#include "gfx/TextureCache.h"
#include "platform/OpenGL.h"

namespace {

// A solid white glyph grid, so every glyph quad is a filled box exactly as wide as its width says.
// 'A' is 64 pixels of the 512 grid (100 frame pixels at scale 1), 'B' 32 (50), code 200 16 (25).
class CMainFontRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        render::writeBgraDds(folder / "Data/MainFont.dds", {render::solidBgra(16, 16, {255, 255, 255, 255})});
        std::filesystem::create_directories(folder / "Data");
        std::ofstream(folder / "Data/MainFont.ini") << "[Char Widths]\n65=64\n66=32\n200=16\n";
        font = std::make_unique<CMainFont>(cache.getTexture(L"Data\\MainFont.dds"), L"Data\\MainFont.ini");
    }
    void TearDown() override {
        if (font) font->release();
        render::GLContextTest::TearDown();
    }

    // The lit columns of the pixel row a little above the baseline y.
    static render::Span spanAt(float y) { return render::litSpan(render::pixelRow(y + 0.02f)); }

    CTextureCache cache;
    std::unique_ptr<CMainFont> font;
};

void expectSpan(const render::Span& span, int first, int last) {
    EXPECT_NEAR(span.first, first, 1);
    EXPECT_NEAR(span.last, last, 1);
}

}  // namespace

TEST_F(CMainFontRender, LeftAlignedTextStartsAtXAndAdvancesByItsWidths) {
    font->drawText("AB", 0.25f, 0.3f, 1.0f, CMainFont::AlignLeft);
    expectSpan(spanAt(0.3f), 200, 349);
    EXPECT_FLOAT_EQ(font->textWidth("AB", 1.0f), 150.0f / 800.0f);
    // one cell high: 0.0625 view units above the baseline is dark again
    EXPECT_EQ(render::litSpan(render::pixelRow(0.3f + 0.0625f) + 1).first, -1);
    EXPECT_NE(render::litSpan(render::pixelRow(0.3f + 0.0625f) - 1).first, -1);
}

TEST_F(CMainFontRender, RightAlignedTextEndsAtXAtAnyScale) {
    font->drawText("AB", 0.75f, 0.3f, 2.0f, CMainFont::AlignRight);
    expectSpan(spanAt(0.3f), 300, 599);
}

TEST_F(CMainFontRender, CentredTextSpansHalfItsWidthEitherSide) {
    font->drawText("A\xC8", 0.5f, 0.3f, 1.0f, CMainFont::AlignCentre);  // 125 pixels wide
    expectSpan(spanAt(0.3f), 338, 462);
}

TEST_F(CMainFontRender, WideTextDrawsTheGlyphsOfTheLow8Bits) {
    font->drawTextW(L"\x0141\x01C8", 0.25f, 0.3f, 1.0f, CMainFont::AlignLeft);  // as "A\xC8"
    expectSpan(spanAt(0.3f), 200, 324);
}

TEST_F(CMainFontRender, UnknownAlignmentDrawsNothingAndKeepsTheMatrixStack) {
    GLint depthBefore = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    font->drawText("AB", 0.5f, 0.3f, 1.0f, 3);
    font->drawText("AB", 0.5f, 0.3f, 1.0f, -1);
    font->drawText("", 0.5f, 0.3f, 1.0f, CMainFont::AlignCentre);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    EXPECT_EQ(spanAt(0.3f).first, -1);
}
