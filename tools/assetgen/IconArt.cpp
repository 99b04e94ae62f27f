// Panel icons are button images: the panel tints them with its fade colour (0.99, 0.99, 0.8, alpha)
// and the hovered one opaque yellow, so they are white on transparent with texture (0, 0) at the
// top-left. Zoom and Move are 0.08 units (64 px) on screen, drawn from 128-pixel images; the style
// and view arrows are 0.03 (24 px), drawn from 64-pixel images.
#include "IconArt.h"

#include <cmath>

#include "Canvas.h"

namespace assetgen {

namespace {

void white(cairo_t* cr, double alpha = 1) { cairo_set_source_rgba(cr, 1, 1, 1, alpha); }

// A magnifying glass with a plus: drag it sideways to zoom the board.
Image zoomIcon() {
    Canvas canvas(128, 128);
    cairo_t* cr = canvas.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double cx = 54, cy = 54, r = 31;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    white(cr, 0.22);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 10);
    white(cr);
    cairo_stroke(cr);
    cairo_move_to(cr, cx + r * 0.74 + 4, cy + r * 0.74 + 4);
    cairo_line_to(cr, 112, 112);
    cairo_set_line_width(cr, 16);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 15, cy);
    cairo_line_to(cr, cx + 15, cy);
    cairo_move_to(cr, cx, cy - 15);
    cairo_line_to(cr, cx, cy + 15);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    return canvas.toImage();
}

// Four arrows from the centre: drag it to move the board.
Image moveIcon() {
    Canvas canvas(128, 128);
    cairo_t* cr = canvas.cr();
    const double c = 64, shaft = 38, head = 16;
    cairo_move_to(cr, c - shaft, c);
    cairo_line_to(cr, c + shaft, c);
    cairo_move_to(cr, c, c - shaft);
    cairo_line_to(cr, c, c + shaft);
    cairo_set_line_width(cr, 9);
    white(cr);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_rotate(cr, i * M_PI / 2);
        cairo_move_to(cr, 56, 0);
        cairo_line_to(cr, 56 - head * 1.5, -head);
        cairo_line_to(cr, 56 - head * 1.5, head);
        cairo_close_path(cr);
        cairo_restore(cr);
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 4);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    cairo_arc(cr, c, c, 10, 0, 2 * M_PI);
    cairo_fill(cr);
    return canvas.toImage();
}

// A rounded triangle pointing up (direction -1) or down (+1).
Image arrowIcon(int direction) {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    const double c = 32, half = 20, height = 15;
    cairo_move_to(cr, c, c + direction * height);
    cairo_line_to(cr, c - half, c - direction * height);
    cairo_line_to(cr, c + half, c - direction * height);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 7);
    white(cr);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    return canvas.toImage();
}

void iconCell(cairo_t* cr, const FontFaces& faces, double x, double y, double side, const char* digit) {
    roundedRectangle(cr, x, y, side, side, 3);
    setColour(cr, rgb(0xF7F9FC));
    cairo_fill(cr);
    faces.use(cr, Face::SansBold, 19);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, digit, &extents);
    cairo_move_to(cr, x + side / 2 - (extents.x_bearing + extents.width / 2),
                  y + side / 2 - (extents.y_bearing + extents.height / 2));
    setColour(cr, rgb(0x2356B5));
    cairo_show_text(cr, digit);
}

}  // namespace

void writePanelIcons(Output& output) {
    output.writeDds("Data/Zoom.dds", zoomIcon(), Tinting::Mask);
    output.writeDds("Data/Move.dds", moveIcon(), Tinting::Mask);
    output.writeDds("Data/Up.dds", arrowIcon(-1), Tinting::Mask);
    output.writeDds("Data/Down.dds", arrowIcon(+1), Tinting::Mask);
}

namespace {

// A slate tile holding a 2 x 2 corner of a board: a clue cell and three digits, drawn on a 64-unit
// square at any size.
void drawWindowIcon(cairo_t* cr, const FontFaces& faces, int pixels) {
    cairo_scale(cr, pixels / 64.0, pixels / 64.0);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, 64);
    cairo_pattern_add_color_stop_rgb(gradient, 0, 0.33, 0.42, 0.55);
    cairo_pattern_add_color_stop_rgb(gradient, 1, 0.20, 0.26, 0.35);
    roundedRectangle(cr, 1, 1, 62, 62, 12);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    const double origin = 7, side = 24, gap = 2;
    cairo_move_to(cr, origin + 2, origin + 2);
    cairo_line_to(cr, origin + side - 2, origin + side - 2);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, rgb(0xC9D3E1));
    cairo_stroke(cr);
    iconCell(cr, faces, origin + side + gap, origin, side, "9");
    iconCell(cr, faces, origin, origin + side + gap, side, "7");
    iconCell(cr, faces, origin + side + gap, origin + side + gap, side, "3");
}

}  // namespace

void writeWindowIcon(Output& output, const FontFaces& faces) {
    Canvas canvas(64, 64);
    drawWindowIcon(canvas.cr(), faces, 64);
    output.writeBmp("Data/Icon.bmp", canvas.toImage());
}

bool writeThemeIcons(const FontFaces& faces, const std::string& folder) {
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        Canvas canvas(side, side);
        drawWindowIcon(canvas.cr(), faces, side);
        std::string file = folder + "/tallix-free-" + std::to_string(side) + ".png";
        if (cairo_surface_write_to_png(canvas.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS) return false;
    }
    return true;
}

}  // namespace assetgen
