// CImageFile: DDS files built in memory with the shared writer, read from memory (and once from
// disk). Every accepted file is checked surface by surface against the bytes it holds.
#include "gfx/DdsImage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/DdsWriter.h"
#include "tests/support/TestFiles.h"

using namespace testsupport;
using nv_dds::CImageFile;
using nv_dds::CSurface;

namespace {

DdsHeader uncompressed(uint32_t flags, uint32_t bits, uint32_t width, uint32_t height) {
    return {"DDS ", width, height, 0, 0, flags, 0, bits, 0};
}
DdsHeader compressed(uint32_t fourCC, uint32_t width, uint32_t height) {
    return {"DDS ", width, height, 0, 0, ddsFourCC, fourCC, 0, 0};
}
DdsHeader with(DdsHeader header, uint32_t mipMapCount, uint32_t caps2 = 0, uint32_t depth = 0) {
    header.mipMapCount = mipMapCount, header.caps2 = caps2, header.depth = depth;
    return header;
}

// Bytes that differ from their neighbours, so a level read from the wrong offset shows.
Bytes pattern(size_t count) {
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = uint8_t(i * 7 + 1);
    return bytes;
}

bool read(CImageFile& image, const DdsHeader& header, const Bytes& pixels) {
    const Bytes file = ddsFile(header, pixels);
    return image.readMemory(file.data(), file.size());
}

Bytes bytesOf(const CSurface& surface) {
    if (!surface.pixels()) return {};
    return Bytes(surface.pixels(), surface.pixels() + surface.size());
}

// Every surface, faces in order and each face's level 0 before its mipmaps, holds the pixel bytes
// of the file back to back, then zeros where the file ran short.
void expectFileBytesThenZeros(const CImageFile& image, const Bytes& pixels) {
    size_t offset = 0;
    auto expectSurface = [&](const CSurface& surface) {
        Bytes expected(surface.size(), 0);
        for (size_t i = 0; i < expected.size() && offset + i < pixels.size(); ++i) expected[i] = pixels[offset + i];
        EXPECT_EQ(bytesOf(surface), expected) << "surface at pixel byte " << offset;
        offset += surface.size();
    };
    for (const nv_dds::CTexture& face : image.textures()) {
        expectSurface(face);
        for (const CSurface& level : face.mipmaps()) expectSurface(level);
    }
}

void expectEmpty(const CImageFile& image) {
    EXPECT_EQ(image.format(), 0u);
    EXPECT_EQ(image.components(), 0);
    EXPECT_EQ(image.textureCount(), 0u);
}

using Level = std::array<uint32_t, 4>;  // width, height, depth and size
Level levelOf(const CSurface& surface) { return {surface.width(), surface.height(), surface.depth(), surface.size()}; }

}  // namespace

// The whole flags value picks an uncompressed format; compressed levels take whole 4 x 4 blocks;
// dwMipMapCount counts level 0 (0 reads as 1) and is obeyed past 1 x 1 up to 32 levels; a cube map
// has six faces in file order; a volume needs a depth and wins over a cube map; pixel data that
// ends after level 0 of the first face reads as zeros.
TEST(CImageFile, AcceptedFilesGiveTheirFormatKindFacesAndLevels) {
    using namespace nv_dds;
    const uint32_t bgra = FormatBgra, lum = FormatLuminance;
    const DdsHeader lum4 = uncompressed(0, 8, 4, 4), bgra4 = uncompressed(ddsRgbAlpha, 32, 4, 4);
    struct Case {
        const char* name;
        DdsHeader header;
        size_t pixelBytes;
        uint32_t format;
        int32_t components, kind;
        size_t faces, levels;
        std::vector<Level> first;  // the first levels of face 0
    };
    const Case cases[] = {
        {"DXT5 with the RGB flag too", [] { DdsHeader h = compressed(ddsDxt5, 4, 4); h.pixelFlags |= ddsRgb; return h; }(),
         16, FormatDxt5, 4, TextureFlat, 1, 1, {{4, 4, 1, 16}}},
        {"32-bit RGB+alpha", uncompressed(ddsRgbAlpha, 32, 4, 2), 32, bgra, 4, TextureFlat, 1, 1, {{4, 2, 1, 32}}},
        {"32-bit RGB only", uncompressed(ddsRgb, 32, 4, 2), 32, bgra, 4, TextureFlat, 1, 1, {{4, 2, 1, 32}}},
        {"24-bit RGB, odd width unpadded", uncompressed(ddsRgb, 24, 3, 2), 18, FormatBgr, 3, TextureFlat, 1, 1, {{3, 2, 1, 18}}},
        {"8-bit, RGB+alpha", uncompressed(ddsRgbAlpha, 8, 4, 2), 8, lum, 1, TextureFlat, 1, 1, {{4, 2, 1, 8}}},
        {"8-bit, luminance flag", uncompressed(0x20000, 8, 4, 2), 8, lum, 1, TextureFlat, 1, 1, {{4, 2, 1, 8}}},
        {"DXT1 5x3", compressed(ddsDxt1, 5, 3), 16, FormatDxt1, 3, TextureFlat, 1, 1, {{5, 3, 1, 16}}},
        {"DXT3 1x1", compressed(ddsDxt3, 1, 1), 16, FormatDxt3, 4, TextureFlat, 1, 1, {{1, 1, 1, 16}}},
        {"DXT5 8x5", compressed(ddsDxt5, 8, 5), 64, FormatDxt5, 4, TextureFlat, 1, 1, {{8, 5, 1, 64}}},
        {"widest", uncompressed(0, 8, 16384, 1), 16384, lum, 1, TextureFlat, 1, 1, {{16384, 1, 1, 16384}}},
        {"tallest", uncompressed(0, 8, 1, 16384), 16384, lum, 1, TextureFlat, 1, 1, {{1, 16384, 1, 16384}}},
        // mipmaps
        {"count 0, room for more", with(bgra4, 0), 80, bgra, 4, TextureFlat, 1, 1, {{4, 4, 1, 64}}},
        {"count 1, room for more", with(bgra4, 1), 80, bgra, 4, TextureFlat, 1, 1, {{4, 4, 1, 64}}},
        {"count 10 at 64x64", with(uncompressed(ddsRgbAlpha, 32, 64, 64), 10), 21856, bgra, 4, TextureFlat, 1, 10,
         {{64, 64, 1, 16384}, {32, 32, 1, 4096}, {16, 16, 1, 1024}, {8, 8, 1, 256}, {4, 4, 1, 64},
          {2, 2, 1, 16}, {1, 1, 1, 4}, {1, 1, 1, 4}, {1, 1, 1, 4}, {1, 1, 1, 4}}},
        {"DXT1 16x4 chain", with(compressed(ddsDxt1, 16, 4), 5), 72, FormatDxt1, 3, TextureFlat, 1, 5,
         {{16, 4, 1, 32}, {8, 2, 1, 16}, {4, 1, 1, 8}, {2, 1, 1, 8}, {1, 1, 1, 8}}},
        {"count 32", with(uncompressed(0, 8, 2, 2), 32), 44, lum, 1, TextureFlat, 1, 32, {{2, 2, 1, 4}, {1, 1, 1, 1}}},
        {"count 33", with(uncompressed(0, 8, 2, 2), 33), 44, lum, 1, TextureFlat, 1, 32, {{2, 2, 1, 4}}},
        {"count 2^32-1", with(uncompressed(0, 8, 2, 2), 0xFFFFFFFF), 44, lum, 1, TextureFlat, 1, 32, {{2, 2, 1, 4}}},
        // short data after level 0 of the first face
        {"level 1 cut short", with(lum4, 3), 18, lum, 1, TextureFlat, 1, 3, {{4, 4, 1, 16}, {2, 2, 1, 4}, {1, 1, 1, 1}}},
        {"DXT1 level 1 cut short", with(compressed(ddsDxt1, 8, 8), 4), 39, FormatDxt1, 3, TextureFlat, 1, 4,
         {{8, 8, 1, 32}, {4, 4, 1, 8}, {2, 2, 1, 8}, {1, 1, 1, 8}}},
        // kinds
        {"cube map", with(lum4, 3, ddsCubemap), 6 * 21, lum, 1, TextureCubemap, 6, 3, {{4, 4, 1, 16}, {2, 2, 1, 4}}},
        {"cube map with every face bit, faces 1-5 missing", with(lum4, 3, ddsCubemap | ddsAllFaces), 18, lum, 1,
         TextureCubemap, 6, 3, {{4, 4, 1, 16}}},
        {"volume over cube map", with(lum4, 3, ddsCubemap | ddsVolume, 4), 73, lum, 1, Texture3D, 1, 3,
         {{4, 4, 4, 64}, {2, 2, 2, 8}, {1, 1, 1, 1}}},
        {"volume bit without depth: cube map", with(uncompressed(0, 8, 1, 1), 0, ddsCubemap | ddsVolume), 6, lum, 1,
         TextureCubemap, 6, 1, {{1, 1, 1, 1}}},
        {"depth without the volume bit", with(uncompressed(0, 8, 2, 2), 0, 0, 3), 12, lum, 1, TextureFlat, 1, 1,
         {{2, 2, 3, 12}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes pixels = pattern(c.pixelBytes);
        CImageFile image;
        ASSERT_TRUE(read(image, c.header, pixels));
        EXPECT_EQ(image.format(), c.format);
        EXPECT_EQ(image.components(), c.components);
        EXPECT_EQ(image.kind(), c.kind);
        ASSERT_EQ(image.textureCount(), c.faces);
        for (const nv_dds::CTexture& face : image.textures()) ASSERT_EQ(face.mipmapCount() + 1, c.levels);
        auto level = [&](size_t i) -> const CSurface& { return i == 0 ? image.texture(0) : image.texture(0).mipmap(i - 1); };
        for (size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(levelOf(level(i)), c.first[i]) << "level " << i;
        expectFileBytesThenZeros(image, pixels);
        Bytes file = ddsFile(c.header, pixels);  // padded with zeros to its first face's end, the face in place
        FirstFace face;
        if (!locateFirstFace(file.data(), file.size(), face)) file.resize(face.end);
        ASSERT_TRUE(locateFirstFace(file.data(), file.size(), face));
        ASSERT_EQ(face.levels.size(), c.levels);
        for (size_t i = 0; i < c.levels; ++i)
            EXPECT_EQ(Bytes(face.levels[i].pixels, face.levels[i].pixels + face.levels[i].size), bytesOf(level(i)));
    }
}

// A reader that trusted the sides would try to allocate up to 16 TiB (or, with 32-bit sizes, wrap
// round to a tiny buffer and read past it): each is refused before any pixel allocation.
TEST(CImageFile, RefusesOtherFormatsImpossibleSidesAndAShortFirstLevel) {
    auto flags = [](DdsHeader h, uint32_t extra) { h.pixelFlags |= extra; return h; };
    auto huge = [](DdsHeader h, uint32_t depth, uint32_t caps2) { return with(h, 0xFFFFFFFF, caps2, depth); };
    const DdsHeader bgra = uncompressed(ddsRgbAlpha, 32, 4, 4);
    struct Case { const char* name; DdsHeader header; size_t pixelBytes; };
    const Case cases[] = {
        {"16-bit 5-6-5", uncompressed(ddsRgb, 16, 4, 4), 64},
        {"7 bits", uncompressed(ddsRgb, 7, 4, 4), 64},
        {"2^32-1 bits", uncompressed(ddsRgb, 0xFFFFFFFF, 4, 4), 64},
        {"32-bit alpha flag only", uncompressed(0x1, 32, 4, 4), 64},
        {"32-bit no flags", uncompressed(0, 32, 4, 4), 64},
        {"32-bit RGB+alpha+extra bit", uncompressed(0x43, 32, 4, 4), 64},
        {"24-bit RGB+alpha", uncompressed(ddsRgbAlpha, 24, 4, 4), 64},
        {"DXT2", compressed(ddsDxt2, 4, 4), 64},
        {"DXT4", compressed(ddsDxt4, 4, 4), 64},
        {"FourCC flag, code 0", flags(compressed(0, 4, 4), ddsRgb), 64},
        {"DXT1 code without the FourCC flag", [] { DdsHeader h = uncompressed(ddsRgb, 0, 4, 4); h.fourCC = ddsDxt1; return h; }(), 64},
        {"DXT2 with the RGB flag and 32 bits", [] { DdsHeader h = compressed(ddsDxt2, 4, 4); h.pixelFlags |= ddsRgb; h.bitCount = 32; return h; }(), 64},
        {"width 0", huge(uncompressed(ddsRgbAlpha, 32, 0, 4), 0, 0), 64},
        {"height 0", huge(uncompressed(ddsRgbAlpha, 32, 4, 0), 0, 0), 64},
        {"width 16385", huge(uncompressed(ddsRgbAlpha, 32, 16385, 1), 0, 0), 64},
        {"height 16385", huge(uncompressed(ddsRgbAlpha, 32, 1, 16385), 0, 0), 64},
        {"depth 16385", huge(uncompressed(ddsRgbAlpha, 32, 1, 1), 16385, ddsVolume), 64},
        {"depth 2^32-1", huge(uncompressed(ddsRgbAlpha, 32, 2, 2), 0xFFFFFFFF, ddsVolume), 256},
        {"sides 2^32-1", huge(uncompressed(ddsRgbAlpha, 32, 0xFFFFFFFF, 0xFFFFFFFF), 0, 0), 256},
        {"DXT1 sides 2^32-1", huge(compressed(ddsDxt1, 0xFFFFFFFF, 0xFFFFFFFF), 0, 0), 256},
        {"largest volume, data short", huge(uncompressed(ddsRgbAlpha, 32, 16384, 16384), 16384, ddsVolume), 64},
        {"largest DXT5, data short", huge(compressed(ddsDxt5, 16384, 16384), 0, 0), 256},
        {"largest cube map, data short", huge(uncompressed(ddsRgbAlpha, 32, 16384, 16384), 0, ddsCubemap), 64},
        {"BGRA level 0 one byte short", bgra, 63},
        {"DXT1 chain, level 0 one byte short", with(compressed(ddsDxt1, 8, 8), 4), 31},
        {"header without pixels", uncompressed(0, 8, 4, 4), 0},
        {"cube map cut in face 0", with(bgra, 3, ddsCubemap | ddsAllFaces), 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CImageFile image;
        EXPECT_FALSE(read(image, c.header, pattern(c.pixelBytes)));
        expectEmpty(image);
    }
}

TEST(CImageFile, RefusesAFileThatEndsInsideTheHeaderOrHasAnotherMagic) {
    const Bytes file = ddsFile(uncompressed(ddsRgbAlpha, 32, 1, 1), pattern(4));
    CImageFile image;
    EXPECT_FALSE(image.readMemory(nullptr, 0));
    for (size_t length = 0; length < 128; ++length) {
        EXPECT_FALSE(image.readMemory(file.data(), length)) << length << " bytes";
        expectEmpty(image);
    }
    for (const char* magic : {"dds ", "DDS\0", "DDSX", " DDS"}) {
        DdsHeader header = uncompressed(ddsRgbAlpha, 32, 1, 1);
        header.magic = std::string(magic, 4);
        EXPECT_FALSE(read(image, header, pattern(4))) << magic;
        expectEmpty(image);
        EXPECT_EQ(image.kind(), nv_dds::TextureNone);
    }
}

// Every read starts afresh, from memory or from disk.
TEST(CImageFile, EachReadStartsAfreshAndAWholeFileReadsFromDisk) {
    CImageFile image;
    ASSERT_TRUE(read(image, with(uncompressed(0, 8, 1, 1), 0, ddsCubemap), pattern(6)));
    ASSERT_TRUE(read(image, uncompressed(ddsRgb, 24, 1, 1), pattern(3)));
    EXPECT_EQ(image.kind(), nv_dds::TextureFlat);
    EXPECT_EQ(image.format(), nv_dds::FormatBgr);
    EXPECT_EQ(image.textureCount(), 1u);
    EXPECT_FALSE(read(image, uncompressed(ddsRgb, 16, 1, 1), pattern(2)));
    expectEmpty(image);

    const fs::path folder = freshFolder();
    writeBytes(folder / "Image.dds", ddsFile(uncompressed(ddsRgbAlpha, 32, 2, 2), pattern(16)));
    ASSERT_TRUE(image.readFile((folder / "Image.dds").string()));
    EXPECT_EQ(image.format(), nv_dds::FormatBgra);
    EXPECT_EQ(bytesOf(image.texture(0)), pattern(16));
    EXPECT_FALSE(image.readFile((folder / "Missing.dds").string()));
    expectEmpty(image);
}
