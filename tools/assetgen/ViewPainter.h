// Paints the way the game does, for the previews: view coordinates (x to the right, y upwards),
// textured quads given by three corners and their texture coordinates, textures modulated by a
// colour (GL_MODULATE) and blended by source alpha, repeat wrapping, smooth filtering.
#pragma once

#include <cairo.h>

#include <string>

#include "Canvas.h"
#include "Colour.h"
#include "Output.h"

namespace assetgen {

struct Texture {
    SurfacePtr surface;
    int width = 0;
    int height = 0;
    Tinting tinting = Tinting::Coloured;

    bool valid() const { return surface != nullptr; }
};

// The stored image as the game uploads it; an invalid texture when nothing was written there.
Texture loadTexture(const Output& output, const std::string& name);

struct ViewPoint {
    double x = 0, y = 0;
};

class ViewPainter {
public:
    // The view point (viewLeft, viewTop) lands on device pixel (deviceX, deviceY).
    ViewPainter(cairo_t* cr, double pixelsPerUnit, double viewLeft, double viewTop, double deviceX,
                double deviceY);

    cairo_t* cr() const { return cr_; }
    double pixelsPerUnit() const { return scale_; }

    // A parallelogram with corner a at texture coordinate ta, b at tb and c at tc (texture
    // coordinates from 0 to 1, t = 0 the first stored row); the fourth corner is b + c - a.
    void quad(const Texture& texture, ViewPoint a, ViewPoint ta, ViewPoint b, ViewPoint tb,
              ViewPoint c, ViewPoint tc, Colour colour) const;
    // An axis-aligned square or rectangle with (0, 0) at its top-left, as buttons and items use.
    void uprightQuad(const Texture& texture, double left, double top, double width, double height,
                     Colour colour) const;
    void fill(double left, double top, double width, double height, Colour colour) const;
    void outline(double left, double top, double width, double height, double pixels,
                 Colour colour) const;

private:
    double deviceX(double x) const { return originX_ + (x - viewLeft_) * scale_; }
    double deviceY(double y) const { return originY_ + (viewTop_ - y) * scale_; }

    cairo_t* cr_;
    double scale_, viewLeft_, viewTop_, originX_, originY_;
};

}  // namespace assetgen
