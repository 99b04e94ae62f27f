#include "tests/support/DdsWriter.h"

#include <algorithm>
#include <fstream>

namespace testsupport {

namespace {

void put32(std::vector<uint8_t>& file, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) file[offset + i] = uint8_t(value >> (8 * i));
}

void writeDds(const std::filesystem::path& path, DdsHeader header, const std::vector<DdsLevel>& levels) {
    header.width = levels[0].width;
    header.height = levels[0].height;
    header.mipMapCount = levels.size() > 1 ? uint32_t(levels.size()) : 0;
    std::vector<uint8_t> pixels;
    for (const DdsLevel& level : levels) pixels.insert(pixels.end(), level.bytes.begin(), level.bytes.end());
    const std::vector<uint8_t> file = ddsFile(header, pixels);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
}

}  // namespace

std::vector<uint8_t> ddsFile(const DdsHeader& header, const std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> file(128, 0);
    std::copy(header.magic.begin(), header.magic.begin() + 4, file.begin());
    put32(file, 4, 124);
    put32(file, 12, header.height);
    put32(file, 16, header.width);
    put32(file, 24, header.depth);
    put32(file, 28, header.mipMapCount);
    put32(file, 76, 32);
    put32(file, 80, header.pixelFlags);
    put32(file, 84, header.fourCC);
    put32(file, 88, header.bitCount);
    put32(file, 112, header.caps2);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

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
    writeDds(path, {}, levels);
}

void writeBgrDds(const std::filesystem::path& path, const DdsLevel& level) {
    DdsHeader header;
    header.pixelFlags = ddsRgb;
    header.bitCount = 24;
    writeDds(path, header, {level});
}

void writeDxt1Dds(const std::filesystem::path& path, const DdsLevel& level) {
    DdsHeader header;
    header.pixelFlags = ddsFourCC;
    header.fourCC = ddsDxt1;
    header.bitCount = 0;
    writeDds(path, header, {level});
}

}  // namespace testsupport
