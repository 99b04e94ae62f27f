// BITMAPFILEHEADER (14 bytes) + BITMAPV4HEADER (108 bytes) + bottom-up BGRA rows.
#include "BmpFile.h"

#include <cstddef>

namespace assetgen {

namespace {

void put16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

constexpr uint32_t FileHeaderSize = 14, InfoHeaderSize = 108, BiBitfields = 3;
constexpr uint32_t ColourSpaceSrgb = 0x73524742;  // 'sRGB'

}  // namespace

std::vector<uint8_t> encodeBmp(const Image& image) {
    uint32_t width = static_cast<uint32_t>(image.width());
    uint32_t height = static_cast<uint32_t>(image.height());
    uint32_t pixelBytes = width * height * 4;
    std::vector<uint8_t> bytes(FileHeaderSize + InfoHeaderSize, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, FileHeaderSize + InfoHeaderSize + pixelBytes);
    put32(bytes, 10, FileHeaderSize + InfoHeaderSize);  // offset of the pixels
    put32(bytes, 14, InfoHeaderSize);
    put32(bytes, 18, width);
    put32(bytes, 22, height);  // positive: rows stored bottom-up
    put16(bytes, 26, 1);       // planes
    put16(bytes, 28, 32);      // bits per pixel
    put32(bytes, 30, BiBitfields);
    put32(bytes, 34, pixelBytes);
    put32(bytes, 38, 2835);  // 72 dpi
    put32(bytes, 42, 2835);
    put32(bytes, 54, 0x00FF0000);  // red, green, blue and alpha masks
    put32(bytes, 58, 0x0000FF00);
    put32(bytes, 62, 0x000000FF);
    put32(bytes, 66, 0xFF000000);
    put32(bytes, 70, ColourSpaceSrgb);
    std::vector<uint8_t> topDown = toBgra(image, Tinting::Coloured);
    for (uint32_t row = height; row-- > 0;) {
        auto first = topDown.begin() + static_cast<std::ptrdiff_t>(row * width * 4);
        bytes.insert(bytes.end(), first, first + static_cast<std::ptrdiff_t>(width * 4));
    }
    return bytes;
}

}  // namespace assetgen
