// BMP in, ICO out. Sections: little-endian access | BMP reading | ICO writing
#include "IconFile.h"

#include <cstddef>

namespace wicon {

namespace {

// ---- little-endian access ---------------------------------------------------------------------

uint32_t get32(const std::vector<uint8_t>& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[offset + static_cast<size_t>(i)];
    return value;
}

uint16_t get16(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// ---- BMP reading ------------------------------------------------------------------------------

constexpr size_t fileHeaderSize = 14;
constexpr uint32_t biRgb = 0, biBitfields = 3;

// One channel of a pixel through its bit-field mask, scaled to 8 bits; 0 for an empty mask.
uint8_t channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    uint32_t top = mask >> shift;
    uint32_t value = (pixel & mask) >> shift;
    return static_cast<uint8_t>((value * 255u + top / 2) / top);
}

struct Layout {
    int width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t masks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};  // red green blue alpha
    size_t pixels = 0;  // offset of the first stored row
};

bool readLayout(const std::vector<uint8_t>& file, Layout& layout, std::string& error) {
    if (file.size() < fileHeaderSize + 40 || file[0] != 'B' || file[1] != 'M') {
        error = "not a BMP file";
        return false;
    }
    uint32_t headerSize = get32(file, 14);
    if (headerSize < 40 || fileHeaderSize + headerSize > file.size()) {
        error = "unsupported BMP header";
        return false;
    }
    int32_t height = static_cast<int32_t>(get32(file, 22));
    layout.width = static_cast<int32_t>(get32(file, 18));
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    layout.bits = get16(file, 28);
    uint32_t compression = get32(file, 30);
    layout.pixels = get32(file, 10);
    bool packed = (layout.bits == 32 && (compression == biRgb || compression == biBitfields)) ||
                  (layout.bits == 24 && compression == biRgb);
    if (!packed) {
        error = "only uncompressed 24- and 32-bit images are supported";
        return false;
    }
    if (layout.width < 1 || layout.width > 256 || layout.height < 1 || layout.height > 256) {
        error = "an icon is 1 to 256 pixels a side";
        return false;
    }
    if (compression == biBitfields) {
        size_t maskOffset = fileHeaderSize + 40;  // after a 40-byte header the masks follow it
        size_t maskCount = headerSize >= 56 ? 4 : 3;
        if (maskOffset + 4 * maskCount > file.size()) {
            error = "truncated bit-field masks";
            return false;
        }
        for (size_t i = 0; i < 4; ++i)
            layout.masks[i] = i < maskCount ? get32(file, maskOffset + 4 * i) : 0;
    } else if (layout.bits == 24) {
        layout.masks[3] = 0;
    }
    return true;
}

}  // namespace

bool decodeBmp(const std::vector<uint8_t>& file, Bitmap& image, std::string& error) {
    Layout layout;
    if (!readLayout(file, layout, error)) return false;
    size_t bytesPerPixel = static_cast<size_t>(layout.bits / 8);
    size_t stride = (static_cast<size_t>(layout.width) * bytesPerPixel + 3) & ~size_t(3);
    if (layout.pixels > file.size() || file.size() - layout.pixels < stride * layout.height) {
        error = "truncated pixel data";
        return false;
    }
    image.width = layout.width;
    image.height = layout.height;
    image.bgra.assign(static_cast<size_t>(layout.width) * layout.height * 4, 0);
    bool anyAlpha = false;
    for (int row = 0; row < layout.height; ++row) {
        int stored = layout.topDown ? row : layout.height - 1 - row;
        size_t at = layout.pixels + static_cast<size_t>(stored) * stride;
        for (int x = 0; x < layout.width; ++x, at += bytesPerPixel) {
            uint32_t pixel = file[at] | (file[at + 1] << 8) | (file[at + 2] << 16);
            if (bytesPerPixel == 4) pixel |= static_cast<uint32_t>(file[at + 3]) << 24;
            uint8_t* out = &image.bgra[(static_cast<size_t>(row) * layout.width + x) * 4];
            out[0] = channel(pixel, layout.masks[2]);
            out[1] = channel(pixel, layout.masks[1]);
            out[2] = channel(pixel, layout.masks[0]);
            out[3] = channel(pixel, layout.masks[3]);
            anyAlpha = anyAlpha || out[3] != 0;
        }
    }
    if (!anyAlpha)
        for (size_t i = 3; i < image.bgra.size(); i += 4) image.bgra[i] = 255;
    return true;
}

// ---- ICO writing ------------------------------------------------------------------------------

std::vector<uint8_t> encodeIco(const Bitmap& image) {
    const uint32_t width = static_cast<uint32_t>(image.width);
    const uint32_t height = static_cast<uint32_t>(image.height);
    const uint32_t maskStride = (width + 31) / 32 * 4;
    const uint32_t imageBytes = 40 + width * height * 4 + maskStride * height;
    std::vector<uint8_t> out;
    put16(out, 0);  // icon directory: reserved, type 1 (icon), one image
    put16(out, 1);
    put16(out, 1);
    out.push_back(static_cast<uint8_t>(width & 0xFF));  // 256 is written as 0
    out.push_back(static_cast<uint8_t>(height & 0xFF));
    out.push_back(0);  // no palette
    out.push_back(0);
    put16(out, 1);     // planes
    put16(out, 32);    // bits per pixel
    put32(out, imageBytes);
    put32(out, 6 + 16);  // the image follows the directory
    put32(out, 40);      // BITMAPINFOHEADER; the height counts the colour rows and the mask rows
    put32(out, width);
    put32(out, height * 2);
    put16(out, 1);
    put16(out, 32);
    put32(out, biRgb);
    put32(out, imageBytes - 40);
    for (int i = 0; i < 4; ++i) put32(out, 0);  // resolution and palette: none
    for (uint32_t row = height; row-- > 0;) {   // bottom-up
        const uint8_t* first = &image.bgra[static_cast<size_t>(row) * width * 4];
        out.insert(out.end(), first, first + width * 4);
    }
    for (uint32_t row = height; row-- > 0;) {
        std::vector<uint8_t> mask(maskStride, 0);
        for (uint32_t x = 0; x < width; ++x)
            if (image.bgra[(static_cast<size_t>(row) * width + x) * 4 + 3] == 0)
                mask[x / 8] |= static_cast<uint8_t>(0x80u >> (x % 8));
        out.insert(out.end(), mask.begin(), mask.end());
    }
    return out;
}

}  // namespace wicon
