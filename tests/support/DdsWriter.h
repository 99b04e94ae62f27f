// Writes small DDS files for the render tests: 32-bit BGRA with optional stored mipmaps, 24-bit
// BGR, and DXT1.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace render {

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
// several, 0 for one.
void writeBgraDds(const std::filesystem::path& path, const std::vector<DdsLevel>& levels);
void writeBgrDds(const std::filesystem::path& path, const DdsLevel& level);  // 3 bytes a pixel
void writeDxt1Dds(const std::filesystem::path& path, const DdsLevel& level);  // bytes: 8 per 4 x 4 block

}  // namespace render
