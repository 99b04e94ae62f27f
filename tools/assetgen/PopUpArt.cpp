// Pop-up items. The game draws every item tinted: white (1, 1, 1, fade) normally and amber
// (1, 0.8, 0, fade) under the pointer, with texture (0, 0) at the top-left. So the items are drawn
// in neutral greys, which the amber tint turns into a clear highlight without muddying the digits:
// plain items are light keys with dark digits, marked items (a candidate that is noted) the same
// key inverted. Item 0 clears the cell and shows a cross.
//
// The shadow is drawn under each item, 4/3 of its size, tinted grey (0.5) normally and amber under
// the pointer: a soft white halo that reads as a shadow around every key and a glow around the
// hovered one.
//
// Sizes: ring items are 0.04 units (32 px) on screen, keypad items 0.036 (29 px), edge to edge;
// 64-pixel images are minified about 2:1, which keeps edges smooth.
#include "PopUpArt.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Canvas.h"

namespace assetgen {

namespace {

constexpr int ItemSide = 64;

enum class Shape { Disc, Key };

struct ItemLook {
    Colour fillTop, fillBottom, rim, ink;
};

const ItemLook PlainLook{rgb(0xFFFFFF), rgb(0xD6DADF), rgb(0x7D8590), rgb(0x262C34)};
const ItemLook MarkedLook{rgb(0x59616C), rgb(0x2E343C), rgb(0xE6E9ED), rgb(0xFFFFFF)};
const Colour ClearInk = rgb(0xB3362B);

void shapePath(cairo_t* cr, Shape shape) {
    if (shape == Shape::Disc) {
        cairo_arc(cr, ItemSide / 2.0, ItemSide / 2.0, ItemSide / 2.0 - 2.5, 0, 2 * M_PI);
    } else {
        // Keys touch in the keypad; the 3-pixel inset leaves a visible gap (about 1.4 px) between them.
        roundedRectangle(cr, 3, 3, ItemSide - 6, ItemSide - 6, 12);
    }
}

void drawBody(cairo_t* cr, Shape shape, const ItemLook& look) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 4, 0, ItemSide - 4);
    cairo_pattern_add_color_stop_rgba(gradient, 0, look.fillTop.r, look.fillTop.g, look.fillTop.b, 1);
    cairo_pattern_add_color_stop_rgba(gradient, 1, look.fillBottom.r, look.fillBottom.g,
                                      look.fillBottom.b, 1);
    shapePath(cr, shape);
    cairo_set_source(cr, gradient);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gradient);
    cairo_set_line_width(cr, 2.5);
    setColour(cr, look.rim);
    cairo_stroke(cr);
}

void drawDigit(cairo_t* cr, const FontFaces& faces, int digit, Colour ink) {
    char text[2] = {static_cast<char>('0' + digit), 0};
    faces.use(cr, Face::SansBold, 40);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_move_to(cr, ItemSide / 2.0 - (extents.x_bearing + extents.width / 2),
                  ItemSide / 2.0 - (extents.y_bearing + extents.height / 2));
    setColour(cr, ink);
    cairo_show_text(cr, text);
}

void drawCross(cairo_t* cr, Colour ink) {
    const double c = ItemSide / 2.0, arm = 11;
    cairo_move_to(cr, c - arm, c - arm);
    cairo_line_to(cr, c + arm, c + arm);
    cairo_move_to(cr, c + arm, c - arm);
    cairo_line_to(cr, c - arm, c + arm);
    cairo_set_line_width(cr, 6.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, ink);
    cairo_stroke(cr);
}

Image item(const FontFaces& faces, Shape shape, int value, bool marked) {
    Canvas canvas(ItemSide, ItemSide);
    const ItemLook& look = marked ? MarkedLook : PlainLook;
    drawBody(canvas.cr(), shape, look);
    if (value == 0) {
        drawCross(canvas.cr(), marked ? look.ink : ClearInk);
    } else {
        drawDigit(canvas.cr(), faces, value, look.ink);
    }
    return canvas.toImage();
}

double smoothstep(double edge0, double edge1, double x) {
    double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Signed distance (pixels) from the shadow's outline of the item: the item's edge sits at 3/4
// of the way from the centre to the shadow quad's edge, since the quad is 4/3 of the item.
double shadowDistance(Shape shape, double x, double y) {
    const double centre = ItemSide / 2.0;
    double px = std::fabs(x - centre), py = std::fabs(y - centre);
    if (shape == Shape::Disc) return std::hypot(px, py) - 22.5;
    const double half = 21.75, radius = 9;
    double qx = std::max(px - (half - radius), 0.0), qy = std::max(py - (half - radius), 0.0);
    return std::hypot(qx, qy) - radius;
}

Image shadow(Shape shape) {
    Image image(ItemSide, ItemSide);
    for (int y = 0; y < ItemSide; ++y) {
        for (int x = 0; x < ItemSide; ++x) {
            double d = shadowDistance(shape, x + 0.5, y + 0.5);
            float alpha = static_cast<float>(0.9 * (1 - smoothstep(-3, 9, d)));
            image.at(x, y) = {alpha, alpha, alpha, alpha};
        }
    }
    return image;
}

void writeSet(Output& output, const FontFaces& faces, const std::string& folder, Shape shape) {
    for (int value = 0; value < 10; ++value) {
        std::string base = folder + "/" + std::to_string(value);
        output.writeDds(base + ".dds", item(faces, shape, value, false), Tinting::Coloured);
        output.writeDds(base + "ch.dds", item(faces, shape, value, true), Tinting::Coloured);
    }
    output.writeDds(folder + "/shadow.dds", shadow(shape), Tinting::Mask);
}

}  // namespace

void writePopUps(Output& output, const FontFaces& faces) {
    writeSet(output, faces, "Data/Styles/PopClassic", Shape::Disc);
    writeSet(output, faces, "Data/Styles/PopClassicQuad", Shape::Key);
}

}  // namespace assetgen
