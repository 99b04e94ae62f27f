// GL-style quads in cairo.
#include "ViewPainter.h"

namespace assetgen {

Texture loadTexture(const Output& output, const std::string& name) {
    Texture texture;
    const WrittenImage* image = output.find(name);
    if (!image) return texture;
    texture.surface = surfaceFromBgra(image->bgra, image->width, image->height);
    texture.width = image->width;
    texture.height = image->height;
    texture.tinting = image->tinting;
    return texture;
}

ViewPainter::ViewPainter(cairo_t* cr, double pixelsPerUnit, double viewLeft, double viewTop,
                         double deviceX, double deviceY)
    : cr_(cr), scale_(pixelsPerUnit), viewLeft_(viewLeft), viewTop_(viewTop), originX_(deviceX),
      originY_(deviceY) {}

void ViewPainter::quad(const Texture& texture, ViewPoint a, ViewPoint ta, ViewPoint b,
                       ViewPoint tb, ViewPoint c, ViewPoint tc, Colour colour) const {
    double ax = deviceX(a.x), ay = deviceY(a.y), bx = deviceX(b.x), by = deviceY(b.y);
    double cx = deviceX(c.x), cy = deviceY(c.y);
    cairo_save(cr_);
    cairo_move_to(cr_, ax, ay);
    cairo_line_to(cr_, bx, by);
    cairo_line_to(cr_, bx + cx - ax, by + cy - ay);
    cairo_line_to(cr_, cx, cy);
    cairo_close_path(cr_);
    cairo_clip(cr_);
    if (!texture.valid()) {  // texture 0: the quad in its colour
        setColour(cr_, colour);
        cairo_paint(cr_);
        cairo_restore(cr_);
        return;
    }
    // Device -> parallelogram parameters (u, v) -> texture pixels.
    cairo_matrix_t device, image, toTexture;
    cairo_matrix_init(&device, bx - ax, by - ay, cx - ax, cy - ay, ax, ay);
    cairo_matrix_init(&image, (tb.x - ta.x) * texture.width, (tb.y - ta.y) * texture.height,
                      (tc.x - ta.x) * texture.width, (tc.y - ta.y) * texture.height,
                      ta.x * texture.width, ta.y * texture.height);
    if (cairo_matrix_invert(&device) != CAIRO_STATUS_SUCCESS) {
        cairo_restore(cr_);
        return;
    }
    cairo_matrix_multiply(&toTexture, &device, &image);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(texture.surface.get());
    cairo_pattern_set_matrix(pattern, &toTexture);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
    bool white = colour.r == 1 && colour.g == 1 && colour.b == 1;
    if (texture.tinting == Tinting::Mask) {
        setColour(cr_, colour);
        cairo_mask(cr_, pattern);
    } else if (white) {
        cairo_set_source(cr_, pattern);
        cairo_paint_with_alpha(cr_, colour.a);
    } else {
        cairo_push_group(cr_);
        cairo_set_source(cr_, pattern);
        cairo_paint(cr_);
        cairo_set_operator(cr_, CAIRO_OPERATOR_MULTIPLY);
        cairo_set_source_rgb(cr_, colour.r, colour.g, colour.b);
        cairo_mask(cr_, pattern);
        cairo_pop_group_to_source(cr_);
        cairo_paint_with_alpha(cr_, colour.a);
    }
    cairo_pattern_destroy(pattern);
    cairo_restore(cr_);
}

void ViewPainter::uprightQuad(const Texture& texture, double left, double top, double width,
                              double height, Colour colour) const {
    quad(texture, {left, top}, {0, 0}, {left + width, top}, {1, 0}, {left, top - height}, {0, 1},
         colour);
}

void ViewPainter::fill(double left, double top, double width, double height, Colour colour) const {
    cairo_rectangle(cr_, deviceX(left), deviceY(top), width * scale_, height * scale_);
    setColour(cr_, colour);
    cairo_fill(cr_);
}

void ViewPainter::outline(double left, double top, double width, double height, double pixels,
                          Colour colour) const {
    cairo_rectangle(cr_, deviceX(left), deviceY(top), width * scale_, height * scale_);
    cairo_set_line_width(cr_, pixels);
    setColour(cr_, colour);
    cairo_stroke(cr_);
}

}  // namespace assetgen
