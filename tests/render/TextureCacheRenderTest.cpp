#include "gfx/TextureCache.h"

#include "GLContext.h"
#include "gfx/TextureUpload.h"
#include "platform/OpenGL.h"

using namespace testsupport;
using render::shows;

namespace {

const Bgra red{0, 0, 255, 255}, green{0, 255, 0, 255}, white{255, 255, 255, 255};

class CTextureCacheRender : public render::GLContextTest {
protected:
    // A quad of the image over x 0.25 to 0.75, y 0.5 down to 0.1.
    void drawImage(const wchar_t* name) {
        const uint32_t texture = cache.getTexture(name);
        ASSERT_NE(texture, 0u) << "no texture";
        render::drawTexturedQuad(texture, 0.25f, 0.5f, 0.5f, 0.4f);
    }
};

}  // namespace

// Red first rows, green last rows: a swapped channel order shows blue, a flipped image green on
// top. The BGR image's rows of 6 bytes are packed in the file; the default unpack alignment of 4
// would skew row 1.
TEST_F(CTextureCacheRender, ImagesShowTheirFirstRowAtTheTop) {
    writeBgraDds(folder / "Data/Rows.dds", {rowsBgra(8, 8, red, green, 4)});
    writeBgrDds(folder / "Bgr.dds", {2, 2, {0, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0}});
    for (const wchar_t* name : {L"Data\\Rows.dds", L"Bgr.dds"}) {
        glClear(GL_COLOR_BUFFER_BIT);
        drawImage(name);
        EXPECT_TRUE(shows(0.5f, 0.4f, 255, 0, 0));  // t = 0.25
        EXPECT_TRUE(shows(0.5f, 0.2f, 0, 255, 0));  // t = 0.75
    }
}

// The new texture is left bound, trilinear and modulated by the current colour.
TEST_F(CTextureCacheRender, UploadLeavesTheTextureBoundAndModulated) {
    writeBgraDds(folder / "White.dds", {solidBgra(4, 4, white)});
    uint32_t texture = cache.getTexture(L"White.dds");
    GLint bound = 0, minFilter = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(GLuint(bound), texture);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
    glColor4f(0.0f, 1.0f, 1.0f, 1.0f);
    drawImage(L"White.dds");
    EXPECT_TRUE(shows(0.5f, 0.3f, 0, 255, 255));
}

// Level 0 green, the stored levels below it red: a quad of a few pixels shows them, blue if swapped.
// A file that stops short inside its last level still loads.
TEST_F(CTextureCacheRender, StoredMipmapsAreUploadedAndMissingOnesBuilt) {
    writeBgraDds(folder / "Stored.dds", {solidBgra(8, 8, green), solidBgra(4, 4, red), solidBgra(2, 2, red),
                                         solidBgra(1, 1, red)});
    writeBgraDds(folder / "Built.dds", {solidBgra(8, 8, red)});
    std::filesystem::copy_file(folder / "Stored.dds", folder / "Short.dds");
    std::filesystem::resize_file(folder / "Short.dds", std::filesystem::file_size(folder / "Short.dds") - 2);
    const float twoPixels = 2.0f / render::frameWidth;
    render::drawTexturedQuad(cache.getTexture(L"Stored.dds"), 0.25f, 0.5f, twoPixels, twoPixels);
    render::drawTexturedQuad(cache.getTexture(L"Short.dds"), 0.5f, 0.5f, 2 * twoPixels, 2 * twoPixels);
    render::drawTexturedQuad(cache.getTexture(L"Built.dds"), 0.75f, 0.5f, twoPixels, twoPixels);
    const int row = render::pixelRow(0.5f) - 1;
    for (float x : {0.25f, 0.5f, 0.75f}) EXPECT_TRUE(render::colourNear(render::readPixel(render::pixelColumn(x), row), 255, 0, 0)) << x;
}

// Each exact name is read once and its failure remembered; another spelling of a name is another
// entry (the file layer still finds the file); only a lower-case ".dds" anywhere gets a file read.
// (Without a context no name can get a texture, so the cache has no unit test.)
TEST_F(CTextureCacheRender, EachNameIsReadOnceAndFailuresStay) {
    writeBgraDds(folder / "Data/Zoom.dds", {solidBgra(4, 4, white)});
    writeBgraDds(folder / "Caps.DDS", {solidBgra(4, 4, white)});
    writeBgraDds(folder / "Copy.dds.bak", {solidBgra(4, 4, white)});
    const uint32_t first = cache.getTexture(L"Data\\Zoom.dds");
    ASSERT_NE(first, 0u);
    const uint32_t lower = cache.getTexture(L"data\\Zoom.dds");
    EXPECT_NE(lower, 0u);
    EXPECT_NE(lower, first);
    std::filesystem::remove(folder / "Data/Zoom.dds");
    EXPECT_EQ(cache.getTexture(std::wstring(L"Data\\Zoom.dds")), first);  // no second read
    EXPECT_EQ(cache.getTexture(L"Caps.DDS"), 0u);
    EXPECT_NE(cache.getTexture(L"Copy.dds.bak"), 0u);

    EXPECT_EQ(cache.getTexture(static_cast<const wchar_t*>(nullptr)), 0u);
    // The file name keeps the low 8 bits of each unit.
    writeBgraDds(folder / "ZoAm.dds", {solidBgra(4, 4, white)});
    writeBgraDds(folder / "\xC3\xA9.dds", {solidBgra(4, 4, white)});
    EXPECT_NE(cache.getTexture(L"Zo\x0141m.dds"), 0u);
    EXPECT_NE(cache.getTexture(L"\x01E9.dds"), 0u);

    EXPECT_EQ(cache.getTexture(L"Late.dds"), 0u);
    writeBgraDds(folder / "Late.dds", {solidBgra(4, 4, white)});
    EXPECT_EQ(cache.getTexture(L"Late.dds"), 0u);     // the failure is remembered
    EXPECT_NE(cache.getTexture(L".\\Late.dds"), 0u);  // the same file under another name loads
}

// One 4 x 4 block whose two end colours are both pure red (RGB 5:6:5 0xF800). Where the context
// offers no compression the file gives no texture.
TEST_F(CTextureCacheRender, Dxt1ImageUploadsWhereTheContextOffersCompression) {
    writeDxt1Dds(folder / "Block.dds", {4, 4, {0x00, 0xF8, 0x00, 0xF8, 0, 0, 0, 0}});
    const bool supported = compressedTexturesSupported();
    RecordProperty("compressedTextures", supported ? "supported" : "refused");
    if (!supported) {
        EXPECT_EQ(cache.getTexture(L"Block.dds"), 0u);
    } else {
        drawImage(L"Block.dds");
        EXPECT_TRUE(shows(0.5f, 0.3f, 255, 0, 0));
    }
}
