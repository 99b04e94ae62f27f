// Our DDS writer: uncompressed 32-bit BGRA with straight alpha, top row first, optionally with a
// full mipmap chain (the game then uploads exactly the stored levels instead of building its own).
#pragma once

#include <cstdint>
#include <vector>

#include "Image.h"

namespace assetgen {

enum class Mipmaps { None, Full };

// The whole file. The pixel format is the one the game reads as BGRA: ddspf flags 0x41
// (RGB | ALPHAPIXELS), 32 bits, masks R 0x00FF0000, G 0x0000FF00, B 0x000000FF, A 0xFF000000.
std::vector<uint8_t> encodeDds(const Image& image, Tinting tinting, Mipmaps mipmaps);

bool isPowerOfTwo(int value);

}  // namespace assetgen
