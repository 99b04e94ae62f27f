// Cell painting helpers.
#include "CellArt.h"

#include <cmath>
#include <vector>

#include "Canvas.h"
#include "Noise.h"

namespace assetgen {

namespace {

// Smooth value noise on a lattice of `period` pixels that wraps around the cell's side.
double softNoise(int x, int y, int side, int period, uint32_t seed) {
    int cells = side / period;
    double fx = static_cast<double>(x) / period, fy = static_cast<double>(y) / period;
    int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    double tx = fx - x0, ty = fy - y0;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto corner = [&](int cx, int cy) { return hashUnit(cx % cells, cy % cells, seed); };
    double top = corner(x0, y0) + (corner(x0 + 1, y0) - corner(x0, y0)) * tx;
    double bottom = corner(x0, y0 + 1) + (corner(x0 + 1, y0 + 1) - corner(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

}  // namespace

Image cellTexture(CellPainter painter) {
    Canvas canvas(CellSide, CellSide);
    painter(canvas.cr(), CellSide);
    return transposedAntiDiagonal(canvas.toImage());
}

void fillVertical(cairo_t* cr, double side, Colour top, Colour bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, side);
    cairo_pattern_add_color_stop_rgba(gradient, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_rectangle(cr, 0, 0, side, side);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

void frame(cairo_t* cr, double side, double width, Colour colour) {
    cairo_rectangle(cr, width / 2, width / 2, side - width, side - width);
    cairo_set_line_width(cr, width);
    setColour(cr, colour);
    cairo_stroke(cr);
}

void clueDiagonal(cairo_t* cr, double side, double width, Colour colour) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, side, side);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    setColour(cr, colour);
    cairo_stroke(cr);
}

void shadeAcrossTriangle(cairo_t* cr, double side, Colour colour) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, side, 0);
    cairo_line_to(cr, side, side);
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
}

void grain(cairo_t* cr, double side, double amount, uint32_t seed) {
    int n = static_cast<int>(side);
    SurfacePtr noise(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, n, n));
    cairo_surface_flush(noise.get());
    unsigned char* data = cairo_image_surface_get_data(noise.get());
    int stride = cairo_image_surface_get_stride(noise.get());
    for (int y = 0; y < n; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < n; ++x) {
            double value = 0.45 * hashUnit(x, y, seed) + 0.35 * softNoise(x, y, n, 8, seed + 1) +
                           0.2 * softNoise(x, y, n, 32, seed + 2);
            double signedAmount = (value - 0.5) * 2 * amount;  // -amount .. +amount
            uint32_t alpha = static_cast<uint32_t>(std::lround(std::min(1.0, std::fabs(signedAmount)) * 255));
            uint32_t grey = signedAmount > 0 ? alpha : 0;  // premultiplied white or black
            row[x] = (alpha << 24) | (grey << 16) | (grey << 8) | grey;
        }
    }
    cairo_surface_mark_dirty(noise.get());
    cairo_set_source_surface(cr, noise.get(), 0, 0);
    cairo_paint(cr);
}

void hatch(cairo_t* cr, double side, double spacing, double width, Colour colour) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, side, side);
    cairo_clip(cr);
    for (double offset = -side; offset <= side; offset += spacing) {
        cairo_move_to(cr, offset - spacing, side + spacing);
        cairo_line_to(cr, offset + side + spacing, -spacing);
    }
    cairo_set_line_width(cr, width);
    setColour(cr, colour);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace assetgen
