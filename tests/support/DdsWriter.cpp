// The 128 bytes of magic and header the reader looks at, followed by the levels back to back.
#include "tests/support/DdsWriter.h"

#include <cstring>
#include <fstream>

namespace render {

namespace {

constexpr uint32_t flagAlphaPixels = 0x1;
constexpr uint32_t flagFourCC = 0x4;
constexpr uint32_t flagRgb = 0x40;

void put32(std::vector<uint8_t>& file, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) file[offset + i] = uint8_t(value >> (8 * i));
}

struct Format {
    uint32_t flags, fourCC, bitCount;
};

void writeDds(const std::filesystem::path& path, Format format, const std::vector<DdsLevel>& levels) {
    std::vector<uint8_t> file(128, 0);
    std::memcpy(file.data(), "DDS ", 4);
    put32(file, 4, 124);
    put32(file, 12, levels[0].height);
    put32(file, 16, levels[0].width);
    put32(file, 28, levels.size() > 1 ? uint32_t(levels.size()) : 0);
    put32(file, 76, 32);
    put32(file, 80, format.flags);
    put32(file, 84, format.fourCC);
    put32(file, 88, format.bitCount);
    for (const DdsLevel& level : levels) file.insert(file.end(), level.bytes.begin(), level.bytes.end());
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
}

}  // namespace

DdsLevel solidBgra(uint32_t width, uint32_t height, Bgra colour) {
    return rowsBgra(width, height, colour, colour, height);
}

DdsLevel rowsBgra(uint32_t width, uint32_t height, Bgra top, Bgra bottom, uint32_t topRows) {
    DdsLevel level{width, height, {}};
    for (uint32_t y = 0; y < height; ++y) {
        const Bgra& c = y < topRows ? top : bottom;
        for (uint32_t x = 0; x < width; ++x) level.bytes.insert(level.bytes.end(), {c.b, c.g, c.r, c.a});
    }
    return level;
}

void writeBgraDds(const std::filesystem::path& path, const std::vector<DdsLevel>& levels) {
    writeDds(path, {flagRgb | flagAlphaPixels, 0, 32}, levels);
}

void writeBgrDds(const std::filesystem::path& path, const DdsLevel& level) {
    writeDds(path, {flagRgb, 0, 24}, {level});
}

void writeDxt1Dds(const std::filesystem::path& path, const DdsLevel& level) {
    writeDds(path, {flagFourCC, 0x31545844, 0}, {level});  // "DXT1"
}

}  // namespace render
