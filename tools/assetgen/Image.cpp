// Pixel work on finished pictures: mipmap reduction, reorientation, blur and byte encoding.
#include "Image.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

uint8_t toByte(float value) {
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

struct Straight {
    float r = 1, g = 1, b = 1;
};

// Colours for texels that end up fully transparent, "pull-push" style: each level of a mipmap
// pyramid lends its straight colour to the invisible texels of the level below it, so every
// invisible texel takes the colour of the nearest visible area. A picture with nothing visible
// is white.
std::vector<Straight> fillColours(const Image& image) {
    std::vector<Image> levels = mipmapChain(image);
    std::vector<Straight> coarser(1);
    for (size_t level = levels.size(); level-- > 0;) {
        const Image& current = levels[level];
        int coarserWidth = level + 1 < levels.size() ? levels[level + 1].width() : 1;
        int coarserHeight = level + 1 < levels.size() ? levels[level + 1].height() : 1;
        std::vector<Straight> fill(static_cast<size_t>(current.width()) * current.height());
        for (int y = 0; y < current.height(); ++y) {
            for (int x = 0; x < current.width(); ++x) {
                const Pixel& p = current.at(x, y);
                Straight& out = fill[static_cast<size_t>(y) * current.width() + x];
                if (p.a > 1.0f / 512.0f) {
                    out = {p.r / p.a, p.g / p.a, p.b / p.a};
                } else {
                    int cx = std::min(x / 2, coarserWidth - 1);
                    int cy = std::min(y / 2, coarserHeight - 1);
                    out = coarser[static_cast<size_t>(cy) * coarserWidth + cx];
                }
            }
        }
        coarser = std::move(fill);
    }
    return coarser;
}

std::vector<double> gaussianKernel(double sigma) {
    int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0)));
    std::vector<double> kernel(static_cast<size_t>(radius) * 2 + 1);
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        double weight = std::exp(-(i * i) / (2.0 * sigma * sigma));
        kernel[static_cast<size_t>(i + radius)] = weight;
        sum += weight;
    }
    for (double& weight : kernel) weight /= sum;
    return kernel;
}

// One pass of a separable blur along x (dx = 1) or y (dx = 0).
Image blurPass(const Image& image, const std::vector<double>& kernel, bool alongX) {
    Image out(image.width(), image.height());
    int radius = static_cast<int>(kernel.size() / 2);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int i = -radius; i <= radius; ++i) {
                int sx = alongX ? x + i : x;
                int sy = alongX ? y : y + i;
                if (sx < 0 || sy < 0 || sx >= image.width() || sy >= image.height()) continue;
                const Pixel& p = image.at(sx, sy);
                double w = kernel[static_cast<size_t>(i + radius)];
                r += p.r * w;
                g += p.g * w;
                b += p.b * w;
                a += p.a * w;
            }
            out.at(x, y) = {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b),
                            static_cast<float>(a)};
        }
    }
    return out;
}

}  // namespace

Image::Image(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

Image halved(const Image& image) {
    int width = std::max(1, image.width() / 2);
    int height = std::max(1, image.height() / 2);
    int stepX = image.width() > 1 ? 2 : 1;
    int stepY = image.height() > 1 ? 2 : 1;
    float share = 1.0f / static_cast<float>(stepX * stepY);
    Image out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Pixel sum;
            for (int j = 0; j < stepY; ++j) {
                for (int i = 0; i < stepX; ++i) {
                    const Pixel& p = image.at(x * stepX + i, y * stepY + j);
                    sum.r += p.r;
                    sum.g += p.g;
                    sum.b += p.b;
                    sum.a += p.a;
                }
            }
            out.at(x, y) = {sum.r * share, sum.g * share, sum.b * share, sum.a * share};
        }
    }
    return out;
}

std::vector<Image> mipmapChain(const Image& image) {
    std::vector<Image> levels{image};
    while (levels.back().width() > 1 || levels.back().height() > 1) {
        levels.push_back(halved(levels.back()));
    }
    return levels;
}

Image transposedAntiDiagonal(const Image& image) {
    Image out(image.height(), image.width());
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            out.at(x, y) = image.at(image.width() - 1 - y, image.height() - 1 - x);
        }
    }
    return out;
}

Image blurred(const Image& image, double sigma) {
    if (sigma <= 0) return image;
    std::vector<double> kernel = gaussianKernel(sigma);
    return blurPass(blurPass(image, kernel, true), kernel, false);
}

Image faded(const Image& image, float opacity) {
    Image out = image;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            Pixel& p = out.at(x, y);
            p = {p.r * opacity, p.g * opacity, p.b * opacity, p.a * opacity};
        }
    }
    return out;
}

std::vector<uint8_t> toBgra(const Image& image, Tinting tinting) {
    std::vector<Straight> fill;
    if (tinting == Tinting::Coloured) fill = fillColours(image);
    std::vector<uint8_t> bytes(static_cast<size_t>(image.width()) * image.height() * 4);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            size_t index = static_cast<size_t>(y) * image.width() + x;
            const Pixel& p = image.at(x, y);
            uint8_t alpha = toByte(p.a);
            Straight colour;  // white, the only colour of a mask
            if (tinting == Tinting::Coloured) {
                colour = alpha > 0 ? Straight{p.r / p.a, p.g / p.a, p.b / p.a} : fill[index];
            }
            uint8_t* out = &bytes[index * 4];
            out[0] = toByte(colour.b);
            out[1] = toByte(colour.g);
            out[2] = toByte(colour.r);
            out[3] = alpha;
        }
    }
    return bytes;
}

}  // namespace assetgen
