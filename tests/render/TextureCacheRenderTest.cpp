#include "gfx/TextureCache.h"

#include <iostream>

#include "tests/support/DdsWriter.h"
#include "GLContext.h"
#include "gfx/TextureUpload.h"
#include "platform/OpenGL.h"

namespace {

const render::Bgra red{0, 0, 255, 255};
const render::Bgra green{0, 255, 0, 255};
const render::Bgra white{255, 255, 255, 255};

class CTextureCacheRender : public render::GLContextTest {
protected:
    CTextureCache cache;
};

}  // namespace

// Red first rows, green last rows: a swapped channel order shows blue, a flipped image green on top.
TEST_F(CTextureCacheRender, BgraImageShowsItsFirstRowAtTheTop) {
    render::writeBgraDds(folder / "Data/Rows.dds", {render::rowsBgra(8, 8, red, green, 4)});
    uint32_t texture = cache.getTexture(L"Data\\Rows.dds");
    ASSERT_NE(texture, 0u);
    render::drawTexturedQuad(texture, 0.25f, 0.5f, 0.5f, 0.4f);
    EXPECT_TRUE(render::colourNear(render::probe(0.5f, 0.45f), 255, 0, 0));  // t = 0.125
    EXPECT_TRUE(render::colourNear(render::probe(0.5f, 0.15f), 0, 255, 0));  // t = 0.875
}

// Rows of 6 bytes are packed in the file; the default unpack alignment of 4 would skew row 1.
TEST_F(CTextureCacheRender, TwentyFourBitImageWithOddRowLengthIsReadPacked) {
    render::DdsLevel level{2, 2, {0, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0}};
    render::writeBgrDds(folder / "Bgr.dds", level);
    uint32_t texture = cache.getTexture(L"Bgr.dds");
    ASSERT_NE(texture, 0u);
    render::drawTexturedQuad(texture, 0.25f, 0.5f, 0.5f, 0.4f);
    EXPECT_TRUE(render::colourNear(render::probe(0.5f, 0.4f), 255, 0, 0));
    EXPECT_TRUE(render::colourNear(render::probe(0.5f, 0.2f), 0, 255, 0));
}

// The new texture is left bound, trilinear and modulated by the current colour.
TEST_F(CTextureCacheRender, UploadLeavesTheTextureBoundAndModulated) {
    render::writeBgraDds(folder / "White.dds", {render::solidBgra(4, 4, white)});
    uint32_t texture = cache.getTexture(L"White.dds");
    GLint bound = 0, minFilter = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(GLuint(bound), texture);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
    glColor4f(0.0f, 1.0f, 1.0f, 1.0f);
    render::drawTexturedQuad(texture, 0.25f, 0.5f, 0.5f, 0.4f);
    EXPECT_TRUE(render::colourNear(render::probe(0.5f, 0.3f), 0, 255, 255));
}

// Level 0 red, every stored level below it green: a quad of a few pixels shows the stored levels.
TEST_F(CTextureCacheRender, StoredMipmapsAreUploadedAndMissingOnesBuilt) {
    render::writeBgraDds(folder / "Stored.dds",
                         {render::solidBgra(8, 8, red), render::solidBgra(4, 4, green),
                          render::solidBgra(2, 2, green), render::solidBgra(1, 1, green)});
    render::writeBgraDds(folder / "Built.dds", {render::solidBgra(8, 8, red)});
    float twoPixels = 2.0f / render::frameWidth;
    render::drawTexturedQuad(cache.getTexture(L"Stored.dds"), 0.25f, 0.5f, twoPixels, twoPixels);
    render::drawTexturedQuad(cache.getTexture(L"Built.dds"), 0.75f, 0.5f, twoPixels, twoPixels);
    EXPECT_TRUE(render::colourNear(render::readPixel(render::pixelColumn(0.25f), render::pixelRow(0.5f) - 1), 0, 255, 0));
    EXPECT_TRUE(render::colourNear(render::readPixel(render::pixelColumn(0.75f), render::pixelRow(0.5f) - 1), 255, 0, 0));
}

TEST_F(CTextureCacheRender, EachNameIsReadOnceAndFailuresStay) {
    render::writeBgraDds(folder / "Data/Zoom.dds", {render::solidBgra(4, 4, white)});
    uint32_t first = cache.getTexture(L"Data\\Zoom.dds");
    ASSERT_NE(first, 0u);
    std::filesystem::remove(folder / "Data/Zoom.dds");
    EXPECT_EQ(cache.getTexture(std::wstring(L"Data\\Zoom.dds")), first);  // no second read

    EXPECT_EQ(cache.getTexture(L"Late.dds"), 0u);
    render::writeBgraDds(folder / "Late.dds", {render::solidBgra(4, 4, white)});
    EXPECT_EQ(cache.getTexture(L"Late.dds"), 0u);  // the failure is remembered
    EXPECT_NE(cache.getTexture(L".\\Late.dds"), 0u);  // the same file under another name loads
}

// Exact names: another case is another entry (the file layer still finds the file); only a
// lower-case ".dds" anywhere in the name gets the file read.
TEST_F(CTextureCacheRender, NameRulesDecideWhatIsReadAndWhatIsOneEntry) {
    render::writeBgraDds(folder / "Data/Zoom.dds", {render::solidBgra(4, 4, white)});
    render::writeBgraDds(folder / "Caps.DDS", {render::solidBgra(4, 4, white)});
    render::writeBgraDds(folder / "Copy.dds.bak", {render::solidBgra(4, 4, white)});
    uint32_t upper = cache.getTexture(L"Data\\Zoom.dds");
    uint32_t lower = cache.getTexture(L"data\\Zoom.dds");
    EXPECT_NE(upper, 0u);
    EXPECT_NE(lower, 0u);
    EXPECT_NE(upper, lower);
    EXPECT_EQ(cache.getTexture(L"Caps.DDS"), 0u);
    EXPECT_NE(cache.getTexture(L"Copy.dds.bak"), 0u);
}

// One 4 x 4 block whose two end colours are both pure red (RGB 5:6:5 0xF800).
TEST_F(CTextureCacheRender, Dxt1ImageUploadsWhereTheContextOffersCompression) {
    render::writeDxt1Dds(folder / "Block.dds", {4, 4, {0x00, 0xF8, 0x00, 0xF8, 0, 0, 0, 0}});
    uint32_t texture = cache.getTexture(L"Block.dds");
    bool supported = compressedTexturesSupported();
    std::cout << "[ note ] compressed DXT upload " << (supported ? "supported" : "not supported")
              << " by " << glGetString(GL_RENDERER) << "\n";
    RecordProperty("compressedTextures", supported ? "supported" : "refused");
    if (!supported) {
        EXPECT_EQ(texture, 0u);
        return;
    }
    ASSERT_NE(texture, 0u);
    render::drawTexturedQuad(texture, 0.25f, 0.5f, 0.5f, 0.4f);
    EXPECT_TRUE(render::colourNear(render::probe(0.5f, 0.3f), 255, 0, 0));
}
