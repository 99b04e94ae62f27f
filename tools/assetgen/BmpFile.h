// A 32-bit BMP with an alpha channel (BITMAPV4HEADER, BI_BITFIELDS), as SDL_LoadBMP reads it: the
// window icon.
#pragma once

#include <cstdint>
#include <vector>

#include "Image.h"

namespace assetgen {

std::vector<uint8_t> encodeBmp(const Image& image);

}  // namespace assetgen
