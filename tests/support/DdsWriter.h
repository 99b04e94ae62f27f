// The one DDS writer of the tests and the bench: a file of any header the reader looks at, built in
// memory, and small BGRA, BGR and DXT1 images written to disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

constexpr uint32_t ddsFourCC = 0x4, ddsRgb = 0x40, ddsRgbAlpha = 0x41;  // pixel-format flags
constexpr uint32_t ddsCubemap = 0x200, ddsAllFaces = 0xFE00, ddsVolume = 0x200000;  // dwCaps2
constexpr uint32_t ddsDxt1 = 0x31545844, ddsDxt2 = 0x32545844, ddsDxt3 = 0x33545844,
                   ddsDxt4 = 0x34545844, ddsDxt5 = 0x35545844;  // "DXTn" read little-endian

// The header fields the reader consults; the rest of the 124 bytes stay zero.
struct DdsHeader {
    std::string magic = "DDS ";
    uint32_t width = 4, height = 4, depth = 0, mipMapCount = 0;
    uint32_t pixelFlags = ddsRgbAlpha, fourCC = 0, bitCount = 32, caps2 = 0;
};

// Magic, header, then `pixels` as they are.
std::vector<uint8_t> ddsFile(const DdsHeader& header, const std::vector<uint8_t>& pixels);

// One level of pixels, rows in file order (the first row is the top of a quad drawn with t = 0 at
// its top), each pixel as bytes in file order.
struct DdsLevel {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> bytes;
};

struct Bgra {
    uint8_t b, g, r, a;
};

DdsLevel solidBgra(uint32_t width, uint32_t height, Bgra colour);
// The first topRows rows in `top`, the rest in `bottom`.
DdsLevel rowsBgra(uint32_t width, uint32_t height, Bgra top, Bgra bottom, uint32_t topRows);

// Level 0 first, then the stored mipmaps; dwMipMapCount is the number of levels when there are
// several, 0 for one. The folders on the way are created.
void writeBgraDds(const std::filesystem::path& path, const std::vector<DdsLevel>& levels);
void writeBgrDds(const std::filesystem::path& path, const DdsLevel& level);  // 3 bytes a pixel
void writeDxt1Dds(const std::filesystem::path& path, const DdsLevel& level);  // bytes: 8 per 4 x 4 block

}  // namespace testsupport
