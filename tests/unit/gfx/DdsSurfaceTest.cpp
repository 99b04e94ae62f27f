// CSurface and CTexture: ownership of the pixel buffers, deep copies, the mipmap chain.
#include "gfx/DdsSurface.h"

#include <gtest/gtest.h>

#include <vector>

using nv_dds::CSurface;
using nv_dds::CTexture;

namespace {

const uint8_t Bytes[] = {1, 2, 3, 4, 5, 6, 7, 8};

std::vector<uint8_t> bytesOf(const CSurface& surface) {
    if (!surface.pixels())
        return {};
    return std::vector<uint8_t>(surface.pixels(), surface.pixels() + surface.size());
}

void expectNumbers(const CSurface& surface, uint32_t width, uint32_t height, uint32_t depth,
                   uint32_t size) {
    EXPECT_EQ(surface.width(), width);
    EXPECT_EQ(surface.height(), height);
    EXPECT_EQ(surface.depth(), depth);
    EXPECT_EQ(surface.size(), size);
}

CTexture textureWithTwoMipmaps() {
    CTexture texture;
    texture.setPixels(2, 2, 1, 8, Bytes);
    texture.appendMipmap().setPixels(1, 1, 1, 2, Bytes + 4);
    texture.appendMipmap().setPixels(1, 1, 1, 2, Bytes + 6);
    return texture;
}

}  // namespace

TEST(CSurface, SetPixelsCopiesTheSourceAndReplacesEarlierContents) {
    CSurface surface;
    std::vector<uint8_t> source(Bytes, Bytes + 8);
    surface.setPixels(2, 1, 1, 8, source.data());
    source[0] = 99;  // the surface owns a copy
    expectNumbers(surface, 2, 1, 1, 8);
    EXPECT_EQ(bytesOf(surface), std::vector<uint8_t>(Bytes, Bytes + 8));

    surface.setPixels(1, 1, 1, 3, nullptr);  // no source: zeros
    expectNumbers(surface, 1, 1, 1, 3);
    EXPECT_EQ(bytesOf(surface), std::vector<uint8_t>(3, 0));

    surface.setPixels(0, 0, 0, 0, Bytes);
    EXPECT_EQ(surface.pixels(), nullptr);
}

TEST(CSurface, FreePixelsKeepsTheNumbers) {
    CSurface surface;
    surface.setPixels(2, 1, 1, 8, Bytes);
    surface.freePixels();
    EXPECT_EQ(surface.pixels(), nullptr);
    expectNumbers(surface, 2, 1, 1, 8);
}

TEST(CSurface, CopiesAreDeep) {
    CSurface original;
    original.setPixels(2, 1, 1, 8, Bytes);
    const CSurface copy(original);
    original.setPixels(1, 1, 1, 1, Bytes);  // the original's old buffer is gone
    expectNumbers(copy, 2, 1, 1, 8);
    EXPECT_EQ(bytesOf(copy), std::vector<uint8_t>(Bytes, Bytes + 8));

    CSurface assigned;
    assigned.setPixels(9, 9, 9, 4, Bytes);
    assigned = copy;
    expectNumbers(assigned, 2, 1, 1, 8);
    EXPECT_NE(assigned.pixels(), copy.pixels());
    EXPECT_EQ(bytesOf(assigned), bytesOf(copy));
}

TEST(CSurface, CopyOfAnEmptyOrFreedSurfaceHasNoBuffer) {
    CSurface sized;
    sized.setPixels(3, 3, 1, 0, nullptr);  // numbers but no bytes
    const CSurface empty(sized);
    expectNumbers(empty, 0, 0, 0, 0);
    EXPECT_EQ(empty.pixels(), nullptr);

    CSurface freed;
    freed.setPixels(2, 1, 1, 8, Bytes);
    freed.freePixels();
    const CSurface copy(freed);  // nothing to copy from: mirror the source
    expectNumbers(copy, 2, 1, 1, 8);
    EXPECT_EQ(copy.pixels(), nullptr);
}

TEST(CTexture, SetPixelsAndFreePixelsEmptyTheChain) {
    CTexture texture = textureWithTwoMipmaps();
    texture.setPixels(1, 1, 1, 4, Bytes);
    EXPECT_EQ(texture.mipmapCount(), 0u);
    EXPECT_EQ(bytesOf(texture), std::vector<uint8_t>(Bytes, Bytes + 4));

    texture = textureWithTwoMipmaps();
    CSurface& asBase = texture;
    asBase.freePixels();  // the override runs through the base
    EXPECT_EQ(texture.mipmapCount(), 0u);
    EXPECT_EQ(texture.pixels(), nullptr);
}

TEST(CTexture, CopiesAreDeepDownTheChain) {
    CTexture original = textureWithTwoMipmaps();
    const CTexture copy(original);
    CTexture assigned;
    assigned.setPixels(1, 1, 1, 1, Bytes);
    assigned.appendMipmap();
    assigned = original;
    original.freePixels();

    for (const CTexture* texture : {&copy, const_cast<const CTexture*>(&assigned)}) {
        EXPECT_EQ(bytesOf(*texture), std::vector<uint8_t>(Bytes, Bytes + 8));
        ASSERT_EQ(texture->mipmapCount(), 2u);
        EXPECT_EQ(bytesOf(texture->mipmap(0)), std::vector<uint8_t>(Bytes + 4, Bytes + 6));
        EXPECT_EQ(bytesOf(texture->mipmap(1)), std::vector<uint8_t>(Bytes + 6, Bytes + 8));
    }
}

TEST(CTexture, SelfAssignmentKeepsEverything) {
    CTexture texture = textureWithTwoMipmaps();
    const CTexture& same = texture;
    texture = same;
    EXPECT_EQ(bytesOf(texture), std::vector<uint8_t>(Bytes, Bytes + 8));
    EXPECT_EQ(texture.mipmapCount(), 2u);
}
