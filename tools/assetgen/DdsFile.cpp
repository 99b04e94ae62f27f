// DDS header and pixel layout, following the published DDS_HEADER and DDS_PIXELFORMAT structures.
#include "DdsFile.h"

#include <cstddef>

namespace assetgen {

namespace {

// DDS_HEADER.dwFlags
constexpr uint32_t DdsdCaps = 0x1, DdsdHeight = 0x2, DdsdWidth = 0x4, DdsdPitch = 0x8,
                   DdsdPixelFormat = 0x1000, DdsdMipmapCount = 0x20000;
// DDS_HEADER.dwCaps
constexpr uint32_t DdscapsComplex = 0x8, DdscapsTexture = 0x1000, DdscapsMipmap = 0x400000;
// DDS_PIXELFORMAT.dwFlags
constexpr uint32_t DdpfAlphaPixels = 0x1, DdpfRgb = 0x40;

void put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::vector<uint8_t> header(int width, int height, uint32_t levels) {
    std::vector<uint8_t> bytes(128, 0);
    bytes[0] = 'D';
    bytes[1] = 'D';
    bytes[2] = 'S';
    bytes[3] = ' ';
    bool chain = levels > 1;
    put32(bytes, 4, 124);  // dwSize
    put32(bytes, 8, DdsdCaps | DdsdHeight | DdsdWidth | DdsdPitch | DdsdPixelFormat |
                        (chain ? DdsdMipmapCount : 0));
    put32(bytes, 12, static_cast<uint32_t>(height));
    put32(bytes, 16, static_cast<uint32_t>(width));
    put32(bytes, 20, static_cast<uint32_t>(width) * 4);  // dwPitchOrLinearSize: bytes per row
    put32(bytes, 28, chain ? levels : 0);                // dwMipMapCount, level 0 included
    put32(bytes, 76, 32);                                // ddspf.dwSize
    put32(bytes, 80, DdpfRgb | DdpfAlphaPixels);
    put32(bytes, 88, 32);  // dwRGBBitCount
    put32(bytes, 92, 0x00FF0000);
    put32(bytes, 96, 0x0000FF00);
    put32(bytes, 100, 0x000000FF);
    put32(bytes, 104, 0xFF000000);
    put32(bytes, 108, DdscapsTexture | (chain ? DdscapsComplex | DdscapsMipmap : 0));
    return bytes;
}

}  // namespace

bool isPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

std::vector<uint8_t> encodeDds(const Image& image, Tinting tinting, Mipmaps mipmaps) {
    std::vector<Image> levels =
        mipmaps == Mipmaps::Full ? mipmapChain(image) : std::vector<Image>{image};
    std::vector<uint8_t> bytes =
        header(image.width(), image.height(), static_cast<uint32_t>(levels.size()));
    for (const Image& level : levels) {
        std::vector<uint8_t> pixels = toBgra(level, tinting);
        bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    }
    return bytes;
}

}  // namespace assetgen
