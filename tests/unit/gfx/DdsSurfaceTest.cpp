// CSurface and CTexture: ownership of the pixel buffers, deep copies, the mipmap chain.
#include "gfx/DdsSurface.h"

#include <gtest/gtest.h>

#include <vector>

using nv_dds::CSurface;
using nv_dds::CTexture;

namespace {

const uint8_t Bytes[] = {1, 2, 3, 4, 5, 6, 7, 8};

std::vector<uint8_t> bytes(size_t from, size_t to) { return std::vector<uint8_t>(Bytes + from, Bytes + to); }

std::vector<uint8_t> bytesOf(const CSurface& surface) {
    if (!surface.pixels()) return {};
    return std::vector<uint8_t>(surface.pixels(), surface.pixels() + surface.size());
}

// Width, height, depth and size as one value.
std::vector<uint32_t> numbers(const CSurface& surface) {
    return {surface.width(), surface.height(), surface.depth(), surface.size()};
}

CTexture textureWithTwoMipmaps() {
    CTexture texture;
    texture.setPixels(2, 2, 1, 8, Bytes);
    texture.appendMipmap().setPixels(1, 1, 1, 2, Bytes + 4);
    texture.appendMipmap().setPixels(1, 1, 1, 2, Bytes + 6);
    return texture;
}

}  // namespace

TEST(CSurface, SetPixelsCopiesTheSourceAndFreePixelsKeepsTheNumbers) {
    CSurface surface;
    std::vector<uint8_t> source = bytes(0, 8);
    surface.setPixels(2, 1, 1, 8, source.data());
    source[0] = 99;  // the surface owns a copy
    EXPECT_EQ(numbers(surface), (std::vector<uint32_t>{2, 1, 1, 8}));
    EXPECT_EQ(bytesOf(surface), bytes(0, 8));

    surface.setPixels(1, 1, 1, 3, nullptr);  // no source: zeros
    EXPECT_EQ(numbers(surface), (std::vector<uint32_t>{1, 1, 1, 3}));
    EXPECT_EQ(bytesOf(surface), std::vector<uint8_t>(3, 0));

    surface.setPixels(2, 1, 1, 8, Bytes);
    surface.freePixels();
    EXPECT_EQ(surface.pixels(), nullptr);
    EXPECT_EQ(numbers(surface), (std::vector<uint32_t>{2, 1, 1, 8}));

    surface.setPixels(0, 0, 0, 0, Bytes);
    EXPECT_EQ(surface.pixels(), nullptr);
}

TEST(CSurface, CopiesAreDeepAndMirrorASourceWithoutBuffer) {
    CSurface original;
    original.setPixels(2, 1, 1, 8, Bytes);
    const CSurface copy(original);
    original.setPixels(1, 1, 1, 1, Bytes);  // the original's old buffer is gone
    EXPECT_EQ(numbers(copy), (std::vector<uint32_t>{2, 1, 1, 8}));
    EXPECT_EQ(bytesOf(copy), bytes(0, 8));

    CSurface assigned;
    assigned.setPixels(9, 9, 9, 4, Bytes);
    assigned = copy;
    EXPECT_EQ(numbers(assigned), numbers(copy));
    EXPECT_NE(assigned.pixels(), copy.pixels());
    EXPECT_EQ(bytesOf(assigned), bytesOf(copy));

    CSurface sized;
    sized.setPixels(3, 3, 1, 0, nullptr);  // numbers but no bytes: the copy is empty
    const CSurface empty(sized);
    EXPECT_EQ(numbers(empty), (std::vector<uint32_t>{0, 0, 0, 0}));
    EXPECT_EQ(empty.pixels(), nullptr);

    CSurface freed;
    freed.setPixels(2, 1, 1, 8, Bytes);
    freed.freePixels();
    const CSurface mirror(freed);  // nothing to copy from: the numbers alone
    EXPECT_EQ(numbers(mirror), (std::vector<uint32_t>{2, 1, 1, 8}));
    EXPECT_EQ(mirror.pixels(), nullptr);
}

TEST(CTexture, SetPixelsAndFreePixelsEmptyTheChain) {
    CTexture texture = textureWithTwoMipmaps();
    texture.setPixels(1, 1, 1, 4, Bytes);
    EXPECT_EQ(texture.mipmapCount(), 0u);
    EXPECT_EQ(bytesOf(texture), bytes(0, 4));

    texture = textureWithTwoMipmaps();
    CSurface& asBase = texture;
    asBase.freePixels();  // the override runs through the base
    EXPECT_EQ(texture.mipmapCount(), 0u);
    EXPECT_EQ(texture.pixels(), nullptr);
}

TEST(CTexture, CopiesAreDeepDownTheChainAndSelfAssignmentKeepsAll) {
    CTexture original = textureWithTwoMipmaps();
    const CTexture copy(original);
    CTexture assigned;
    assigned.setPixels(1, 1, 1, 1, Bytes);
    assigned.appendMipmap();
    assigned = original;
    original.freePixels();
    CTexture self = textureWithTwoMipmaps();
    const CTexture& same = self;
    self = same;

    for (const CTexture* texture : {&copy, const_cast<const CTexture*>(&assigned), &same}) {
        EXPECT_EQ(bytesOf(*texture), bytes(0, 8));
        ASSERT_EQ(texture->mipmapCount(), 2u);
        EXPECT_EQ(bytesOf(texture->mipmap(0)), bytes(4, 6));
        EXPECT_EQ(bytesOf(texture->mipmap(1)), bytes(6, 8));
    }
}
