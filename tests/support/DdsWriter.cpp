#include "tests/support/DdsWriter.h"

#include <fstream>

namespace testsupport {

namespace {

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
    std::vector<uint8_t> file(header.magic.begin(), header.magic.begin() + 4);
    file.resize(128);
    const std::pair<size_t, uint32_t> fields[] = {{4, 124}, {12, header.height}, {16, header.width},
                                                  {24, header.depth}, {28, header.mipMapCount}, {76, 32},
                                                  {80, header.pixelFlags}, {84, header.fourCC},
                                                  {88, header.bitCount}, {112, header.caps2}};
    for (const auto& [offset, value] : fields)
        for (int i = 0; i < 4; ++i) file[offset + i] = uint8_t(value >> (8 * i));
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
    writeDds(path, {"DDS ", 0, 0, 0, 0, ddsRgb, 0, 24, 0}, {level});
}
void writeDxt1Dds(const std::filesystem::path& path, const DdsLevel& level) {
    writeDds(path, {"DDS ", 0, 0, 0, 0, ddsFourCC, ddsDxt1, 0, 0}, {level});
}

}  // namespace testsupport
