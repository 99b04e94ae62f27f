// Image: the cell reorientation against the board's texture mapping, mipmap reduction and the
// byte encoding of transparent texels. The mipmap chain's sizes are checked on every image of the
// built game folder (tests/unit/assets/GameDataTest.cpp).
#include "Image.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Canvas.h"
#include "CellArt.h"

using namespace assetgen;

namespace {

// The texel the board shows at the middle of screen pixel (x, y) of an n x n cell: its quad carries
// texture corners (1,1) top-left, (1,0) top-right, (0,0) bottom-right, (0,1) bottom-left.
const Pixel& shownAt(const Image& texture, int x, int y) {
    int n = texture.width();
    double u = 1 - (y + 0.5) / n, v = 1 - (x + 0.5) / n;
    return texture.at(std::min(n - 1, int(std::floor(u * n))), std::min(n - 1, int(std::floor(v * n))));
}

Image numbered(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.at(x, y) = {float(y * width + x), 0, 0, 1};
    return image;
}

}  // namespace

TEST(Image, TransposedCellShowsEveryPixelWhereItWasPainted) {
    const int n = 8;
    Image painted = numbered(n, n), stored = transposedAntiDiagonal(painted);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) EXPECT_EQ(shownAt(stored, x, y).r, painted.at(x, y).r) << "screen pixel " << x << "," << y;
    // An oblong image swaps its sides: the bottom-right texel goes to the top-left and back.
    Image oblong = transposedAntiDiagonal(numbered(4, 2));
    ASSERT_EQ(std::make_pair(oblong.width(), oblong.height()), std::make_pair(2, 4));
    EXPECT_EQ(oblong.at(0, 0).r, 7.0f);
    EXPECT_EQ(oblong.at(1, 3).r, 0.0f);
}

TEST(Image, CellTextureKeepsACornerInItsCornerOnTheBoard) {
    Image stored = cellTexture([](cairo_t* cr, double side) {  // the top-right quarter red on white
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_rectangle(cr, side / 2, 0, side / 2, side / 2);
        cairo_set_source_rgb(cr, 1, 0, 0);
        cairo_fill(cr);
    });
    EXPECT_FLOAT_EQ(shownAt(stored, CellSide - 10, 10).g, 0.0f);             // top right
    EXPECT_FLOAT_EQ(shownAt(stored, 10, 10).g, 1.0f);                        // top left
    EXPECT_FLOAT_EQ(shownAt(stored, CellSide - 10, CellSide - 10).g, 1.0f);  // bottom right
}

// One opaque red texel among three transparent ones must reduce to a faint red, not a dark red.
TEST(Image, ReductionAveragesPremultipliedSoEdgesDoNotDarken) {
    Image image(2, 2);
    image.at(0, 0) = {1, 0, 0, 1};
    EXPECT_EQ(toBgra(halved(image), Tinting::Coloured), (std::vector<uint8_t>{0, 0, 255, 64}));  // a quarter of the alpha
}

TEST(Image, InvisibleTexelsBorrowTheNearestColourOrStayWhiteInAMask) {
    Image image(4, 4);
    for (int y = 0; y < 4; ++y) image.at(0, y) = {0, 0, 0.5f, 0.5f};  // half-transparent blue column
    std::vector<uint8_t> coloured = toBgra(image, Tinting::Coloured), mask = toBgra(image, Tinting::Mask);
    const size_t far = (3 * 4 + 3) * 4;  // the bottom-right texel, fully transparent
    EXPECT_EQ(std::vector<uint8_t>(&coloured[far], &coloured[far] + 4), (std::vector<uint8_t>{255, 0, 0, 0}));  // blue, not black
    EXPECT_EQ(std::vector<uint8_t>(&coloured[0], &coloured[0] + 4), (std::vector<uint8_t>{255, 0, 0, 128}));  // straight colour
    for (size_t i = 0; i < mask.size(); i += 4) EXPECT_TRUE(mask[i] == 255 && mask[i + 1] == 255 && mask[i + 2] == 255) << i;
}

TEST(Image, BlurSpreadsAlphaButKeepsItsTotal) {
    Image image(32, 32);
    image.at(16, 16) = {1, 1, 1, 1};
    Image soft = blurred(image, 2.0);
    double total = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) total += soft.at(x, y).a;
    EXPECT_NEAR(total, 1.0, 1e-3);
    EXPECT_LT(soft.at(16, 16).a, 0.1f);
    EXPECT_GT(soft.at(18, 16).a, 0.0f);
}
