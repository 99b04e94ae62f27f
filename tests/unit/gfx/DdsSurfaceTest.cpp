// CSurface and CTexture: ownership of the pixel buffers, deep copies, the mipmap chain.
#include "gfx/DdsSurface.h"

#include <gtest/gtest.h>

using nv_dds::CSurface;
using nv_dds::CTexture;

namespace {

const uint8_t Bytes[] = {1, 2, 3, 4, 5, 6, 7, 8};
using Numbers = std::vector<uint32_t>;  // width, height, depth and size

std::vector<uint8_t> bytes(size_t from, size_t to) { return std::vector<uint8_t>(Bytes + from, Bytes + to); }
std::vector<uint8_t> bytesOf(const CSurface& surface) {
    if (!surface.pixels()) return {};
    return std::vector<uint8_t>(surface.pixels(), surface.pixels() + surface.size());
}
Numbers numbers(const CSurface& surface) { return {surface.width(), surface.height(), surface.depth(), surface.size()}; }

CTexture textureWithTwoMipmaps() {
    CTexture texture;
    texture.setPixels(2, 2, 1, 8, Bytes);
    texture.appendMipmap().setPixels(1, 1, 1, 2, Bytes + 4);
    texture.appendMipmap().setPixels(1, 1, 1, 2, Bytes + 6);
    return texture;
}

}  // namespace

// setPixels copies its source (zeros without one, no buffer for size 0); freePixels keeps the
// numbers. A copy is deep; a source with numbers but no bytes copies as empty, a freed one as its
// numbers alone.
TEST(CSurface, OwnsACopyOfItsPixelsAndCopiesDeeply) {
    CSurface surface;
    std::vector<uint8_t> source = bytes(0, 8);
    surface.setPixels(2, 1, 1, 8, source.data());
    source[0] = 99;
    EXPECT_EQ(numbers(surface), (Numbers{2, 1, 1, 8}));
    EXPECT_EQ(bytesOf(surface), bytes(0, 8));
    const CSurface copy(surface);
    surface.setPixels(1, 1, 1, 3, nullptr);
    EXPECT_EQ(numbers(surface), (Numbers{1, 1, 1, 3}));
    EXPECT_EQ(bytesOf(surface), std::vector<uint8_t>(3, 0));
    EXPECT_EQ(numbers(copy), (Numbers{2, 1, 1, 8}));
    EXPECT_EQ(bytesOf(copy), bytes(0, 8));

    surface.setPixels(9, 9, 9, 4, Bytes);
    surface = copy;
    EXPECT_EQ(numbers(surface), numbers(copy));
    EXPECT_NE(surface.pixels(), copy.pixels());
    EXPECT_EQ(bytesOf(surface), bytesOf(copy));

    surface.freePixels();
    EXPECT_EQ(surface.pixels(), nullptr);
    EXPECT_EQ(numbers(surface), (Numbers{2, 1, 1, 8}));
    const CSurface mirror(surface);
    EXPECT_EQ(numbers(mirror), (Numbers{2, 1, 1, 8}));
    EXPECT_EQ(mirror.pixels(), nullptr);

    surface.setPixels(3, 3, 1, 0, Bytes);
    EXPECT_EQ(surface.pixels(), nullptr);
    const CSurface empty(surface);
    EXPECT_EQ(numbers(empty), (Numbers{0, 0, 0, 0}));
    EXPECT_EQ(empty.pixels(), nullptr);
    CSurface overwritten(copy);
    overwritten = surface;
    EXPECT_EQ(numbers(overwritten), (Numbers{0, 0, 0, 0}));
}

// setPixels and freePixels (also through the base) empty the chain; copies are deep down the
// chain; self-assignment keeps everything.
TEST(CTexture, CopiesAreDeepDownTheChainWhichSetAndFreeEmpty) {
    CTexture original = textureWithTwoMipmaps();
    const CTexture copy(original);
    CTexture assigned;
    assigned.setPixels(1, 1, 1, 1, Bytes);
    assigned.appendMipmap();
    assigned = original;
    original.setPixels(1, 1, 1, 4, Bytes);
    EXPECT_EQ(original.mipmapCount(), 0u);
    EXPECT_EQ(bytesOf(original), bytes(0, 4));
    CTexture self = textureWithTwoMipmaps();
    const CTexture& same = self;
    self = same;
    for (const CTexture* texture : {&copy, const_cast<const CTexture*>(&assigned), &same}) {
        EXPECT_EQ(bytesOf(*texture), bytes(0, 8));
        ASSERT_EQ(texture->mipmapCount(), 2u);
        EXPECT_EQ(bytesOf(texture->mipmap(0)), bytes(4, 6));
        EXPECT_EQ(bytesOf(texture->mipmap(1)), bytes(6, 8));
    }
    CSurface& asBase = self;
    asBase.freePixels();
    EXPECT_EQ(self.mipmapCount(), 0u);
    EXPECT_EQ(self.pixels(), nullptr);
}
