// cairo surfaces in and out of Images.
#include "Canvas.h"

#include <cmath>

namespace assetgen {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_.get())) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
}

Canvas::~Canvas() { cairo_destroy(cr_); }

Image Canvas::toImage() const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    int stride = cairo_image_surface_get_stride(surface_.get());
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width_; ++x) {
            uint32_t p = row[x];  // native-endian premultiplied ARGB
            image.at(x, y) = {((p >> 16) & 0xFF) / 255.0f, ((p >> 8) & 0xFF) / 255.0f,
                              (p & 0xFF) / 255.0f, (p >> 24) / 255.0f};
        }
    }
    return image;
}

void setColour(cairo_t* cr, Colour colour) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a);
}

void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius) {
    const double quarter = M_PI / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -quarter, 0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, quarter);
    cairo_arc(cr, x + radius, y + height - radius, radius, quarter, 2 * quarter);
    cairo_arc(cr, x + radius, y + radius, radius, 2 * quarter, 3 * quarter);
    cairo_close_path(cr);
}

SurfacePtr surfaceFromBgra(const std::vector<uint8_t>& bgra, int width, int height) {
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &bgra[(static_cast<size_t>(y) * width + x) * 4];
            uint32_t a = p[3];
            auto premultiply = [a](uint32_t c) { return (c * a + 127) / 255; };
            row[x] = (a << 24) | (premultiply(p[2]) << 16) | (premultiply(p[1]) << 8) |
                     premultiply(p[0]);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

SurfacePtr surfaceFromImage(const Image& image) {
    return surfaceFromBgra(toBgra(image, Tinting::Coloured), image.width(), image.height());
}

}  // namespace assetgen
