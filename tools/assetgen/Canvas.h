// A cairo drawing surface that turns into an Image, and the few path helpers the art shares.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "Colour.h"
#include "Image.h"

namespace assetgen {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// A transparent ARGB32 surface with its drawing context, antialiased, y downwards.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    Image toImage() const;  // what has been drawn so far

private:
    int width_;
    int height_;
    SurfacePtr surface_;
    cairo_t* cr_;
};

void setColour(cairo_t* cr, Colour colour);
void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius);

// A cairo surface showing an image the way the game sees its stored bytes (straight BGRA).
SurfacePtr surfaceFromBgra(const std::vector<uint8_t>& bgra, int width, int height);
// The same for an Image that never went through bytes.
SurfacePtr surfaceFromImage(const Image& image);

}  // namespace assetgen
