// Medals are shown tiny: 0.018 units (14 px) on the level cards, three overlapping by half, and
// 0.02 (16 px) in the panel's record table. So each is a bold disc in its metal's colours with a
// star, nothing finer. The card tints earned medals (0.7, 0.7, 0.7) and the panel draws them in
// white, so they keep their own colours. MedalNone marks an empty slot under the earned ones and
// is tinted grey (0.5): a white ring on transparent, a little smaller than a medal, so an earned
// medal drawn over it covers it completely. Texture (0, 0) is the top-left corner.
#include "MedalArt.h"

#include <cmath>

#include "Canvas.h"

namespace assetgen {

namespace {

constexpr int MedalSide = 64;
constexpr double Centre = MedalSide / 2.0;

struct Metal {
    Colour rimLight, rimDark, faceLight, faceDark, star, starEdge;
};

const Metal Gold{rgb(0xFFE170), rgb(0x946000), rgb(0xFFEE9A), rgb(0xE09A0C), rgb(0xFFF7CC),
                 rgb(0x8E5A00)};
const Metal Silver{rgb(0xFFFFFF), rgb(0x68737F), rgb(0xFFFFFF), rgb(0x9CA7B4), rgb(0xFFFFFF),
                   rgb(0x56616E)};
const Metal Bronze{rgb(0xF6B784), rgb(0x6A330C), rgb(0xF7C393), rgb(0xB8672A), rgb(0xFFE2C8),
                   rgb(0x6E3510)};

void starPath(cairo_t* cr, double outer, double inner) {
    for (int i = 0; i < 10; ++i) {
        double radius = i % 2 == 0 ? outer : inner;
        double angle = -M_PI / 2 + i * M_PI / 5;
        double x = Centre + radius * std::cos(angle), y = Centre + 1 + radius * std::sin(angle);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

void gradientDisc(cairo_t* cr, double radius, Colour light, Colour dark, bool radial) {
    cairo_pattern_t* pattern =
        radial ? cairo_pattern_create_radial(Centre - 7, Centre - 9, 2, Centre, Centre, radius)
               : cairo_pattern_create_linear(Centre - radius, Centre - radius, Centre + radius,
                                             Centre + radius);
    cairo_pattern_add_color_stop_rgb(pattern, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, dark.r, dark.g, dark.b);
    cairo_arc(cr, Centre, Centre, radius, 0, 2 * M_PI);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

Image medal(const Metal& metal) {
    Canvas canvas(MedalSide, MedalSide);
    cairo_t* cr = canvas.cr();
    // A dark edge first, so that medals drawn overlapping (the level cards) stay apart.
    cairo_arc(cr, Centre, Centre, 30.5, 0, 2 * M_PI);
    setColour(cr, mix(metal.rimDark, rgb(0x000000), 0.45));
    cairo_fill(cr);
    gradientDisc(cr, 28.5, metal.rimLight, metal.rimDark, false);
    gradientDisc(cr, 23.5, metal.faceLight, metal.faceDark, true);
    // A thin dark ring between rim and face.
    cairo_arc(cr, Centre, Centre, 23.5, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, withAlpha(metal.rimDark, 0.7));
    cairo_stroke(cr);
    starPath(cr, 16.5, 7);
    setColour(cr, metal.star);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, metal.starEdge);
    cairo_stroke(cr);
    return canvas.toImage();
}

Image emptySlot() {
    Canvas canvas(MedalSide, MedalSide);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, Centre, Centre, 26, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.2);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_stroke(cr);
    starPath(cr, 13, 5.5);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_stroke(cr);
    return canvas.toImage();
}

}  // namespace

void writeMedals(Output& output) {
    output.writeDds("Data/MedalGold.dds", medal(Gold), Tinting::Coloured);
    output.writeDds("Data/MedalSilver.dds", medal(Silver), Tinting::Coloured);
    output.writeDds("Data/MedalBronze.dds", medal(Bronze), Tinting::Coloured);
    output.writeDds("Data/MedalNone.dds", emptySlot(), Tinting::Mask);
}

}  // namespace assetgen
