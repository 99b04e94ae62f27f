// CImageFile: DDS files built byte by byte, read from memory (and once from disk).
#include "gfx/DdsImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using nv_dds::CImageFile;
using nv_dds::CSurface;
using nv_dds::CTexture;

namespace {

constexpr uint32_t FourCC = 0x4, Rgb = 0x40, RgbAlpha = 0x41;
constexpr uint32_t Cubemap = 0x200, Volume = 0x200000;
constexpr uint32_t Dxt1 = 0x31545844, Dxt2 = 0x32545844, Dxt3 = 0x33545844, Dxt4 = 0x34545844,
                   Dxt5 = 0x35545844;

// A DDS file as the bytes the reader sees. Only the fields the reader consults are settable; the
// rest of the header stays zero, which the reader must not mind.
struct DdsBuilder {
    std::string magic = "DDS ";
    uint32_t width = 4, height = 4, depth = 0, mipMapCount = 0;
    uint32_t pixelFlags = RgbAlpha, fourCC = 0, bitCount = 32, caps2 = 0;
    std::vector<uint8_t> pixels;

    std::vector<uint8_t> build() const {
        std::vector<uint8_t> file(128 + pixels.size(), 0);
        std::copy(magic.begin(), magic.end(), file.begin());
        std::copy(pixels.begin(), pixels.end(), file.begin() + 128);
        put(file, 12, height);
        put(file, 16, width);
        put(file, 24, depth);
        put(file, 28, mipMapCount);
        put(file, 80, pixelFlags);
        put(file, 84, fourCC);
        put(file, 88, bitCount);
        put(file, 112, caps2);
        return file;
    }
    static void put(std::vector<uint8_t>& file, size_t offset, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file[offset + i] = uint8_t(value >> (8 * i));
    }
};

// Bytes that differ from their neighbours, so a level read from the wrong offset shows.
std::vector<uint8_t> pattern(size_t count) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = uint8_t(i * 7 + 1);
    return bytes;
}

DdsBuilder uncompressed(uint32_t flags, uint32_t bits, uint32_t width, uint32_t height, size_t bytes) {
    DdsBuilder dds;
    dds.pixelFlags = flags;
    dds.bitCount = bits;
    dds.width = width;
    dds.height = height;
    dds.pixels = pattern(bytes);
    return dds;
}

DdsBuilder compressed(uint32_t fourCC, uint32_t width, uint32_t height, size_t bytes) {
    DdsBuilder dds = uncompressed(FourCC, 0, width, height, bytes);
    dds.fourCC = fourCC;
    return dds;
}

bool read(CImageFile& image, const DdsBuilder& dds) {
    const std::vector<uint8_t> file = dds.build();
    return image.readMemory(file.data(), file.size());
}

std::vector<uint8_t> bytesOf(const CSurface& surface) {
    if (!surface.pixels())
        return {};
    return std::vector<uint8_t>(surface.pixels(), surface.pixels() + surface.size());
}

void expectEmpty(const CImageFile& image) {
    EXPECT_EQ(image.format(), 0u);
    EXPECT_EQ(image.components(), 0);
    EXPECT_EQ(image.textureCount(), 0u);
}

}  // namespace

// ---- pixel formats ----------------------------------------------------------------------------

TEST(CImageFile, AcceptsEachFormatOfTheTableWithItsComponentCount) {
    struct Case { const char* name; DdsBuilder dds; uint32_t format; int32_t components; uint32_t size; };
    const Case cases[] = {
        {"DXT1", compressed(Dxt1, 8, 8, 32), nv_dds::FormatDxt1, 3, 32},
        {"DXT3", compressed(Dxt3, 8, 8, 64), nv_dds::FormatDxt3, 4, 64},
        {"DXT5", compressed(Dxt5, 8, 8, 64), nv_dds::FormatDxt5, 4, 64},
        {"DXT5 with RGB flag too", [] { DdsBuilder d = compressed(Dxt5, 4, 4, 16); d.pixelFlags |= Rgb; return d; }(),
         nv_dds::FormatDxt5, 4, 16},
        {"32-bit RGB+alpha", uncompressed(RgbAlpha, 32, 4, 2, 32), nv_dds::FormatBgra, 4, 32},
        {"32-bit RGB only", uncompressed(Rgb, 32, 4, 2, 32), nv_dds::FormatBgra, 4, 32},
        {"24-bit RGB", uncompressed(Rgb, 24, 4, 2, 24), nv_dds::FormatBgr, 3, 24},
        {"8-bit, no flags", uncompressed(0, 8, 4, 2, 8), nv_dds::FormatLuminance, 1, 8},
        {"8-bit, RGB+alpha", uncompressed(RgbAlpha, 8, 4, 2, 8), nv_dds::FormatLuminance, 1, 8},
        {"8-bit, luminance flag", uncompressed(0x20000, 8, 4, 2, 8), nv_dds::FormatLuminance, 1, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CImageFile image;
        ASSERT_TRUE(read(image, c.dds));
        EXPECT_EQ(image.format(), c.format);
        EXPECT_EQ(image.components(), c.components);
        EXPECT_EQ(image.kind(), nv_dds::TextureFlat);
        ASSERT_EQ(image.textureCount(), 1u);
        EXPECT_EQ(image.texture(0).size(), c.size);
        EXPECT_EQ(bytesOf(image.texture(0)), c.dds.pixels);
    }
}

TEST(CImageFile, RefusesEveryOtherFormat) {
    struct Case { const char* name; DdsBuilder dds; };
    const Case cases[] = {
        {"16-bit 5-6-5", uncompressed(Rgb, 16, 4, 4, 64)},
        {"16-bit with alpha", uncompressed(RgbAlpha, 16, 4, 4, 64)},
        {"DXT2", compressed(Dxt2, 4, 4, 64)},
        {"DXT4", compressed(Dxt4, 4, 4, 64)},
        {"DXT1 code without the FourCC flag", [] { DdsBuilder d = uncompressed(Rgb, 0, 4, 4, 64); d.fourCC = Dxt1; return d; }()},
        {"DXT2 with RGB flag and 32 bits", [] { DdsBuilder d = compressed(Dxt2, 4, 4, 64); d.pixelFlags |= Rgb; d.bitCount = 32; return d; }()},
        {"32-bit alpha flag only", uncompressed(0x1, 32, 4, 4, 64)},
        {"32-bit no flags", uncompressed(0, 32, 4, 4, 64)},
        {"32-bit RGB+alpha+extra bit", uncompressed(0x43, 32, 4, 4, 64)},
        {"24-bit RGB+alpha", uncompressed(RgbAlpha, 24, 4, 4, 64)},
        {"24-bit no flags", uncompressed(0, 24, 4, 4, 64)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CImageFile image;
        EXPECT_FALSE(read(image, c.dds));
        expectEmpty(image);
    }
}

TEST(CImageFile, RefusesAnyMagicButCapitalDdsSpace) {
    for (const char* magic : {"dds ", "DDS\0", "DDSX", " DDS"}) {
        SCOPED_TRACE(magic);
        DdsBuilder dds = uncompressed(RgbAlpha, 32, 1, 1, 4);
        dds.magic = std::string(magic, 4);
        CImageFile image;
        EXPECT_FALSE(read(image, dds));
        expectEmpty(image);
        EXPECT_EQ(image.kind(), nv_dds::TextureNone);
    }
}

// ---- pixel layout -----------------------------------------------------------------------------

TEST(CImageFile, KeepsUncompressedBytesAndRowsInFileOrder) {
    // Two rows of two BGRA pixels: the first stored row must stay the first row, bytes unswapped.
    DdsBuilder bgra = uncompressed(RgbAlpha, 32, 2, 2, 0);
    bgra.pixels = {0x10, 0x20, 0x30, 0x40, 0x11, 0x21, 0x31, 0x41,   // row 0: blue, green, red, alpha
                   0x12, 0x22, 0x32, 0x42, 0x13, 0x23, 0x33, 0x43};  // row 1
    CImageFile image;
    ASSERT_TRUE(read(image, bgra));
    EXPECT_EQ(bytesOf(image.texture(0)), bgra.pixels);

    // An odd width of BGR pixels has no row padding: 3 x 2 x 3 bytes.
    DdsBuilder bgr = uncompressed(Rgb, 24, 3, 2, 18);
    ASSERT_TRUE(read(image, bgr));
    EXPECT_EQ(image.texture(0).width(), 3u);
    EXPECT_EQ(image.texture(0).height(), 2u);
    EXPECT_EQ(bytesOf(image.texture(0)), bgr.pixels);
}

TEST(CImageFile, CompressedLevelsTakeWholeBlocks) {
    struct Case { uint32_t fourCC; uint32_t width, height; uint32_t size; };
    const Case cases[] = {
        {Dxt1, 1, 1, 8}, {Dxt1, 2, 2, 8}, {Dxt1, 5, 3, 16}, {Dxt1, 4, 12, 24},
        {Dxt3, 1, 1, 16}, {Dxt3, 2, 2, 16}, {Dxt5, 1, 1, 16}, {Dxt5, 2, 2, 16}, {Dxt5, 8, 5, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " fourCC " << c.fourCC);
        CImageFile image;
        ASSERT_TRUE(read(image, compressed(c.fourCC, c.width, c.height, c.size)));
        EXPECT_EQ(image.texture(0).size(), c.size);
    }
}

// ---- mipmaps ----------------------------------------------------------------------------------

TEST(CImageFile, MipMapCountZeroOrOneGivesNoMipmaps) {
    for (uint32_t count : {0u, 1u}) {
        DdsBuilder dds = uncompressed(RgbAlpha, 32, 4, 4, 64 + 16);  // room for a level 1 it must not read
        dds.mipMapCount = count;
        CImageFile image;
        ASSERT_TRUE(read(image, dds));
        EXPECT_EQ(image.texture(0).mipmapCount(), 0u) << "dwMipMapCount " << count;
    }
}

TEST(CImageFile, MipmapChainIsObeyedPastOneByOne) {
    const uint32_t sides[] = {32, 16, 8, 4, 2, 1, 1, 1, 1};
    size_t total = 64 * 64 * 4;
    for (uint32_t side : sides)
        total += side * side * 4;
    DdsBuilder dds = uncompressed(RgbAlpha, 32, 64, 64, total);
    dds.mipMapCount = 10;
    CImageFile image;
    ASSERT_TRUE(read(image, dds));
    const CTexture& face = image.texture(0);
    ASSERT_EQ(face.mipmapCount(), 9u);
    size_t offset = 64 * 64 * 4;
    for (size_t i = 0; i < 9; ++i) {
        SCOPED_TRACE(testing::Message() << "level " << i + 1);
        const CSurface& level = face.mipmap(i);
        EXPECT_EQ(level.width(), sides[i]);
        EXPECT_EQ(level.height(), sides[i]);
        EXPECT_EQ(level.depth(), 1u);
        ASSERT_EQ(level.size(), sides[i] * sides[i] * 4);
        EXPECT_EQ(bytesOf(level), std::vector<uint8_t>(dds.pixels.begin() + offset,
                                                       dds.pixels.begin() + offset + level.size()));
        offset += level.size();
    }
}

TEST(CImageFile, NonSquareAndCompressedChainsFloorEachSideAtOne) {
    DdsBuilder dds = compressed(Dxt1, 16, 4, 32 + 16 + 8 + 8 + 8);
    dds.mipMapCount = 5;
    CImageFile image;
    ASSERT_TRUE(read(image, dds));
    const CTexture& face = image.texture(0);
    ASSERT_EQ(face.mipmapCount(), 4u);
    const uint32_t widths[] = {8, 4, 2, 1}, heights[] = {2, 1, 1, 1}, sizes[] = {16, 8, 8, 8};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(face.mipmap(i).width(), widths[i]);
        EXPECT_EQ(face.mipmap(i).height(), heights[i]);
        EXPECT_EQ(face.mipmap(i).size(), sizes[i]);
    }
}

TEST(CImageFile, ReadsAtMostThirtyTwoLevelsPerFace) {
    for (uint32_t count : {32u, 33u, 1000u, 0xFFFFFFFFu}) {
        DdsBuilder dds = uncompressed(0, 8, 2, 2, 4 + 40);
        dds.mipMapCount = count;
        CImageFile image;
        ASSERT_TRUE(read(image, dds));
        EXPECT_EQ(image.texture(0).mipmapCount(), CImageFile::MaxLevels - 1) << count;
    }
}

// ---- kinds ------------------------------------------------------------------------------------

TEST(CImageFile, CubemapHasSixFacesEachWithItsOwnChainInFileOrder) {
    // 4 x 4 luminance with two mipmaps: 16 + 4 + 1 bytes per face, each face filled with its index.
    DdsBuilder dds = uncompressed(0, 8, 4, 4, 0);
    dds.caps2 = Cubemap;
    dds.mipMapCount = 3;
    for (uint8_t face = 0; face < 6; ++face)
        dds.pixels.insert(dds.pixels.end(), 21, face);
    CImageFile image;
    ASSERT_TRUE(read(image, dds));
    EXPECT_EQ(image.kind(), nv_dds::TextureCubemap);
    ASSERT_EQ(image.textureCount(), 6u);
    for (uint8_t face = 0; face < 6; ++face) {
        SCOPED_TRACE(testing::Message() << "face " << int(face));
        const CTexture& texture = image.texture(face);
        EXPECT_EQ(bytesOf(texture), std::vector<uint8_t>(16, face));
        ASSERT_EQ(texture.mipmapCount(), 2u);
        EXPECT_EQ(bytesOf(texture.mipmap(0)), std::vector<uint8_t>(4, face));
        EXPECT_EQ(bytesOf(texture.mipmap(1)), std::vector<uint8_t>(1, face));
    }
}

TEST(CImageFile, VolumeWinsOverCubemapWhenItHasDepth) {
    DdsBuilder dds = uncompressed(0, 8, 4, 4, 16 * 4 + 4 * 2 + 1);
    dds.caps2 = Cubemap | Volume;
    dds.depth = 4;
    dds.mipMapCount = 3;
    CImageFile image;
    ASSERT_TRUE(read(image, dds));
    EXPECT_EQ(image.kind(), nv_dds::Texture3D);
    ASSERT_EQ(image.textureCount(), 1u);
    const CTexture& volume = image.texture(0);
    EXPECT_EQ(volume.depth(), 4u);
    EXPECT_EQ(volume.size(), 64u);
    ASSERT_EQ(volume.mipmapCount(), 2u);
    EXPECT_EQ(volume.mipmap(0).depth(), 2u);
    EXPECT_EQ(volume.mipmap(0).size(), 8u);
    EXPECT_EQ(volume.mipmap(1).depth(), 1u);
    EXPECT_EQ(bytesOf(volume.mipmap(1)), std::vector<uint8_t>(dds.pixels.end() - 1, dds.pixels.end()));
}

TEST(CImageFile, VolumeBitWithoutDepthLeavesTheOtherKind) {
    DdsBuilder dds = uncompressed(0, 8, 1, 1, 6);
    dds.caps2 = Cubemap | Volume;
    CImageFile image;
    ASSERT_TRUE(read(image, dds));
    EXPECT_EQ(image.kind(), nv_dds::TextureCubemap);
    EXPECT_EQ(image.textureCount(), 6u);

    dds.caps2 = Volume;
    ASSERT_TRUE(read(image, dds));
    EXPECT_EQ(image.kind(), nv_dds::TextureFlat);
    EXPECT_EQ(image.texture(0).depth(), 1u);  // dwDepth 0 reads as one slice
}

TEST(CImageFile, DepthCountsSlicesEvenWithoutTheVolumeBit) {
    DdsBuilder dds = uncompressed(0, 8, 2, 2, 12);
    dds.depth = 3;
    CImageFile image;
    ASSERT_TRUE(read(image, dds));
    EXPECT_EQ(image.kind(), nv_dds::TextureFlat);
    EXPECT_EQ(image.texture(0).depth(), 3u);
    EXPECT_EQ(image.texture(0).size(), 12u);
}

// ---- damaged files ----------------------------------------------------------------------------

TEST(CImageFile, RefusesAFileThatEndsInsideTheMagicOrHeader) {
    const std::vector<uint8_t> file = uncompressed(RgbAlpha, 32, 1, 1, 4).build();
    CImageFile image;
    EXPECT_FALSE(image.readMemory(nullptr, 0));
    for (size_t length = 0; length < 128; ++length) {
        EXPECT_FALSE(image.readMemory(file.data(), length)) << length << " bytes";
        expectEmpty(image);
    }
}

TEST(CImageFile, RefusesAShortLevelZeroOfTheFirstFace) {
    for (const DdsBuilder& dds : {uncompressed(RgbAlpha, 32, 4, 4, 63), compressed(Dxt5, 8, 8, 63),
                                  uncompressed(0, 8, 4, 4, 0)}) {
        CImageFile image;
        EXPECT_FALSE(read(image, dds));
        expectEmpty(image);
    }
}

TEST(CImageFile, ShortMipmapTailAndLaterFacesReadAsZeros) {
    DdsBuilder dds = uncompressed(0, 8, 4, 4, 16 + 2);  // level 1 needs 4 bytes, only 2 are there
    dds.mipMapCount = 3;
    CImageFile image;
    ASSERT_TRUE(read(image, dds));
    const CTexture& face = image.texture(0);
    ASSERT_EQ(face.mipmapCount(), 2u);
    EXPECT_EQ(bytesOf(face.mipmap(0)), (std::vector<uint8_t>{dds.pixels[16], dds.pixels[17], 0, 0}));
    EXPECT_EQ(bytesOf(face.mipmap(1)), std::vector<uint8_t>(1, 0));

    dds.caps2 = Cubemap;  // face 0 complete but short, faces 1 to 5 missing altogether
    ASSERT_TRUE(read(image, dds));
    ASSERT_EQ(image.textureCount(), 6u);
    for (size_t i = 1; i < 6; ++i) {
        EXPECT_EQ(bytesOf(image.texture(i)), std::vector<uint8_t>(16, 0));
        EXPECT_EQ(bytesOf(image.texture(i).mipmap(1)), std::vector<uint8_t>(1, 0));
    }
}

// A reader that trusted these headers would try to allocate up to 16 TiB (or, with 32-bit sizes,
// wrap round to a tiny buffer and read past it); each must be refused before any pixel allocation.
TEST(CImageFile, RefusesZeroAndHugeSides) {
    struct Case { const char* name; uint32_t width, height, depth, caps2, fourCC; };
    const Case cases[] = {
        {"width 0", 0, 4, 0, 0, 0},
        {"height 0", 4, 0, 0, 0, 0},
        {"width above 16384", 16385, 1, 0, 0, 0},
        {"height above 16384", 1, 16385, 0, 0, 0},
        {"depth above 16384", 1, 1, 16385, Volume, 0},
        {"width 2^31", 0x80000000u, 1, 0, 0, 0},
        {"largest volume, data short", 16384, 16384, 16384, Volume, 0},
        {"largest DXT1, data short", 16384, 16384, 0, 0, Dxt1},
        {"largest cube map, data short", 16384, 16384, 0, Cubemap, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DdsBuilder dds = c.fourCC ? compressed(c.fourCC, c.width, c.height, 64)
                                  : uncompressed(RgbAlpha, 32, c.width, c.height, 64);
        dds.depth = c.depth;
        dds.caps2 = c.caps2;
        dds.mipMapCount = 0xFFFFFFFF;
        CImageFile image;
        EXPECT_FALSE(read(image, dds));
        expectEmpty(image);
    }
}

TEST(CImageFile, AcceptsTheLargestSides) {
    DdsBuilder dds = uncompressed(0, 8, 16384, 1, 16384);
    CImageFile image;
    ASSERT_TRUE(read(image, dds));
    EXPECT_EQ(image.texture(0).width(), 16384u);
    dds = uncompressed(0, 8, 1, 16384, 16384);
    ASSERT_TRUE(read(image, dds));
    EXPECT_EQ(image.texture(0).height(), 16384u);
}

// ---- the object over several reads ------------------------------------------------------------

TEST(CImageFile, EachReadStartsAfresh) {
    DdsBuilder cube = uncompressed(0, 8, 1, 1, 6);
    cube.caps2 = Cubemap;
    CImageFile image;
    ASSERT_TRUE(read(image, cube));
    ASSERT_TRUE(read(image, uncompressed(Rgb, 24, 1, 1, 3)));
    EXPECT_EQ(image.kind(), nv_dds::TextureFlat);
    EXPECT_EQ(image.format(), nv_dds::FormatBgr);
    EXPECT_EQ(image.textureCount(), 1u);

    EXPECT_FALSE(read(image, uncompressed(Rgb, 16, 1, 1, 2)));
    expectEmpty(image);
}

TEST(CImageFile, ReadsAWholeFileFromDisk) {
    const char* root = std::getenv("TALLIX_TEST_TMP");
    const std::filesystem::path folder =
        std::filesystem::path(root ? root : "/tmp") / "CImageFile.ReadsAWholeFileFromDisk";
    std::filesystem::create_directories(folder);
    const std::string name = (folder / "Image.dds").string();
    const DdsBuilder dds = uncompressed(RgbAlpha, 32, 2, 2, 16);
    const std::vector<uint8_t> file = dds.build();
    std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());

    CImageFile image;
    ASSERT_TRUE(image.readFile(name));
    EXPECT_EQ(image.format(), nv_dds::FormatBgra);
    EXPECT_EQ(bytesOf(image.texture(0)), dds.pixels);

    EXPECT_FALSE(image.readFile((folder / "Missing.dds").string()));
    expectEmpty(image);
}
