// The Windows icon file of the game, made from the window icon art the art generator draws as a
// BMP. A host-side helper of the cross build: plain C++, no platform headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wicon {

// Pixels as blue, green, red, alpha bytes, rows from the top.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;
};

// Reads an uncompressed 24- or 32-bit BMP (BITMAPINFOHEADER up to BITMAPV5HEADER, bit-field masks
// allowed, rows bottom-up or top-down) of at most 256 pixels a side. A 32-bit image whose alpha is
// zero everywhere is taken as opaque. False, with the reason, for anything else.
bool decodeBmp(const std::vector<uint8_t>& file, Bitmap& image, std::string& error);

// One-image .ico: the 32-bit image with its alpha, and an AND mask that marks fully transparent
// pixels for renderers that ignore alpha. Same input, same bytes.
std::vector<uint8_t> encodeIco(const Bitmap& image);

}  // namespace wicon
