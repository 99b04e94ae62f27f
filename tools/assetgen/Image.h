// A picture being prepared for the game: premultiplied floating-point pixels, top row first.
//
// Drawing happens in cairo (Canvas.h); this is where the finished picture is blurred, reoriented,
// reduced for mipmaps and finally turned into the straight-alpha BGRA bytes the game uploads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assetgen {

struct Pixel {
    float r = 0, g = 0, b = 0, a = 0;  // premultiplied by a, each 0 to 1
};

// How the stored colours relate to the colour the game draws the image with (GL_MODULATE).
enum class Tinting {
    Mask,      // white on transparent: only alpha carries the shape, the game's colour is the ink
    Coloured,  // the image has its own colours; fully transparent texels borrow the colour of the
               // nearest visible ones, so linear and mipmap filtering never pull a dark fringe in
};

class Image {
public:
    Image() = default;
    Image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Pixel& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Pixel& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

// The next mipmap level: each side halved (never below 1) by averaging premultiplied texels.
Image halved(const Image& image);

// Every level from the image itself down to 1 x 1, as a DDS mipmap chain holds them.
std::vector<Image> mipmapChain(const Image& image);

// Mirrors the picture about its anti-diagonal (top-right to bottom-left): the texel at column c,
// row r takes what was at column width-1-r, row height-1-c. The board maps a cell quad's top-left
// corner to texture (1, 1) and its top-right corner to (1, 0); storing a cell that was composed
// the way it should look through this transform makes it appear upright on the board.
Image transposedAntiDiagonal(const Image& image);

// Gaussian blur of all four premultiplied channels; outside the picture counts as transparent.
Image blurred(const Image& image, double sigma);

// The same picture at a fraction of its opacity.
Image faded(const Image& image, float opacity);

// Straight-alpha bytes in the order blue, green, red, alpha, top row first.
std::vector<uint8_t> toBgra(const Image& image, Tinting tinting);

}  // namespace assetgen
