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

// Where the board samples a cell's texture for a point of the cell on screen (sx to the right,
// sy downwards, both 0 to 1): the quad's corners carry (1,1) top-left, (1,0) top-right, (0,0)
// bottom-right and (0,1) bottom-left, interpolated across the quad.
void boardTexCoord(double sx, double sy, double& u, double& v) {
    const double corners[4][2] = {{1, 1}, {1, 0}, {0, 0}, {0, 1}};  // TL, TR, BR, BL
    const double weights[4] = {(1 - sx) * (1 - sy), sx * (1 - sy), sx * sy, (1 - sx) * sy};
    u = v = 0;
    for (int i = 0; i < 4; ++i) {
        u += weights[i] * corners[i][0];
        v += weights[i] * corners[i][1];
    }
}

// The texel the board shows at the middle of screen pixel (x, y) of an n x n cell.
const Pixel& shownAt(const Image& texture, int x, int y) {
    int n = texture.width();
    double u, v;
    boardTexCoord((x + 0.5) / n, (y + 0.5) / n, u, v);
    int column = std::min(n - 1, static_cast<int>(std::floor(u * n)));
    int row = std::min(n - 1, static_cast<int>(std::floor(v * n)));  // t = 0 is the first stored row
    return texture.at(column, row);
}

Image numbered(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.at(x, y) = {float(y * width + x), 0, 0, 1};
    }
    return image;
}

void topRightQuarterRed(cairo_t* cr, double side) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_rectangle(cr, side / 2, 0, side / 2, side / 2);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_fill(cr);
}

}  // namespace

TEST(Image, TransposedCellShowsEveryPixelWhereItWasPainted) {
    const int n = 8;
    Image painted = numbered(n, n);
    Image stored = transposedAntiDiagonal(painted);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            EXPECT_EQ(shownAt(stored, x, y).r, painted.at(x, y).r) << "screen pixel " << x << "," << y;
        }
    }
}

TEST(Image, CellTextureKeepsACornerInItsCornerOnTheBoard) {
    Image stored = cellTexture(topRightQuarterRed);
    const Pixel& topRight = shownAt(stored, CellSide - 10, 10);
    const Pixel& topLeft = shownAt(stored, 10, 10);
    const Pixel& bottomRight = shownAt(stored, CellSide - 10, CellSide - 10);
    EXPECT_FLOAT_EQ(topRight.g, 0.0f);
    EXPECT_FLOAT_EQ(topLeft.g, 1.0f);
    EXPECT_FLOAT_EQ(bottomRight.g, 1.0f);
}

TEST(Image, TransposeSwapsTheSidesOfAnOblongImage) {
    Image stored = transposedAntiDiagonal(numbered(4, 2));
    ASSERT_EQ(stored.width(), 2);
    ASSERT_EQ(stored.height(), 4);
    EXPECT_EQ(stored.at(0, 0).r, 7.0f);  // the bottom-right texel goes to the top-left
    EXPECT_EQ(stored.at(1, 3).r, 0.0f);  // and the top-left to the bottom-right
}

// One opaque red texel among three transparent ones must reduce to a faint red, not a dark red.
TEST(Image, ReductionAveragesPremultipliedSoEdgesDoNotDarken) {
    Image image(2, 2);
    image.at(0, 0) = {1, 0, 0, 1};
    std::vector<uint8_t> bytes = toBgra(halved(image), Tinting::Coloured);
    EXPECT_EQ(bytes[2], 255);  // red
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[3], 64);  // a quarter of the alpha
}

TEST(Image, InvisibleTexelsBorrowTheNearestColourOrStayWhiteInAMask) {
    Image image(4, 4);
    for (int y = 0; y < 4; ++y) image.at(0, y) = {0, 0, 0.5f, 0.5f};  // half-transparent blue column
    std::vector<uint8_t> coloured = toBgra(image, Tinting::Coloured);
    std::vector<uint8_t> mask = toBgra(image, Tinting::Mask);
    const size_t far = (3 * 4 + 3) * 4;  // the bottom-right texel, fully transparent
    EXPECT_EQ(coloured[far + 3], 0);
    EXPECT_EQ(coloured[far + 0], 255);  // blue, not black
    EXPECT_EQ(coloured[far + 2], 0);
    EXPECT_EQ(coloured[0 + 0], 255);  // the visible texels keep their straight colour
    EXPECT_EQ(coloured[0 + 3], 128);
    for (size_t i = 0; i < mask.size(); i += 4) {
        EXPECT_EQ(mask[i], 255);
        EXPECT_EQ(mask[i + 1], 255);
        EXPECT_EQ(mask[i + 2], 255);
    }
}

TEST(Image, BlurSpreadsAlphaButKeepsItsTotal) {
    Image image(32, 32);
    image.at(16, 16) = {1, 1, 1, 1};
    Image soft = blurred(image, 2.0);
    double total = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) total += soft.at(x, y).a;
    }
    EXPECT_NEAR(total, 1.0, 1e-3);
    EXPECT_LT(soft.at(16, 16).a, 0.1f);
    EXPECT_GT(soft.at(18, 16).a, 0.0f);
}
