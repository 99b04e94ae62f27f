// Main font layout, as the game reads it:
//   - code c sits in grid row c / 16, column c % 16 of a 512 x 512 texture, 32 x 32 pixels a cell;
//   - the game samples a band of the glyph's width (its advance, in pixels) centred in the cell,
//     and draws it as a quad of that width and the full cell height (1/16 of the texture);
//   - the bottom of the cell is the y that text is drawn at.
//
// Widths are set by the game's fixed layout, which was made for a narrow font. The tightest spot
// is the panel: "View: < Transparent >" starts at x 0.6 and must end before the buttons that are
// right-aligned to 0.98 by "Load Saved Game", both at scale 0.5. In DejaVu Sans these two strings
// are 20.59 em together, so at an em of E pixels (1/512 unit at scale 1) the condition is
// 0.6 + 20.59 E k / 1024 < 0.98, k the horizontal condensing: E k < 18.9. With E = 21 and
// k = 0.85, E k = 17.85 leaves about 8 screen pixels between them. The other spots then fit too:
// "Medals:" (3.86 em, 69 px < 89.6 px before "Highscore:" at 0.4), "Style: < Classic >"
// (8.94 em, 160 px < 204.8 px before the view text), "01:20" (2.88 em, 51 px < 76.8 px before
// the green best time).
//
// Vertically: capitals are 0.73 em (15.3 px) tall; the baseline 24 px below the cell's top
// centres them on the cell, which is also the middle of every button's rectangle. Accented
// capitals reach 0.93 em (19.5 px, 4.5 px below the top), descenders 0.24 em (5 px, to 29). The
// panel draws "Medals:" at y 0.73 at scale 0.4, so the top 6.4 px of its cell are above the view;
// capitals start 8.7 px down and stay visible.
//
// The outlines are also stroked 0.7 px wide: a touch of weight that keeps the thin strokes of
// DejaVu Sans from fading when the game shrinks text to a third (level names at scale 0.32).
#include "MainFontArt.h"

#include <cmath>
#include <string>

#include "Canvas.h"

namespace assetgen {

namespace {

constexpr int TextureSide = 512;
constexpr int Cell = 32;
constexpr double EmPixels = 21.0;
constexpr double Condensing = 0.85;
constexpr double Weight = 0.7;     // stroke width added to the outlines, pixels
constexpr double Baseline = 24.0;  // below the top of the cell

// Printable ASCII and the printable part of Latin-1 (from the no-break space on). The C0 and C1
// control codes and DEL get width 0, which the game draws as nothing without moving the pen.
bool hasGlyph(int code) { return (code >= 32 && code < 127) || code >= 160; }

std::string utf8(int code) {
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

// Where a glyph sits in its cell: the band it is sampled through and the pen position.
struct GlyphPlace {
    int width = 0;        // the band, which is also the advance
    double origin = 0;    // pen position relative to the cell's middle
};

// The advance band is centred in the cell, as the game samples it, and the glyph's advance is
// centred in the band. A glyph whose outline overhangs its advance by more than a quarter pixel
// (the hook of J and j, the accent of ì) would be cut off there, so it moves inward, and if the
// outline is wider than the advance (by more than half a pixel) the band grows to hold it. Glyphs
// whose ink just fills their advance (A, V, W) keep it: the band's edge texels are still sampled.
GlyphPlace placeGlyph(const cairo_text_extents_t& extents) {
    GlyphPlace place;
    place.width = std::max(1, static_cast<int>(std::lround(extents.x_advance * Condensing)));
    double inkWidth = extents.width * Condensing;
    if (inkWidth > place.width + 0.5) place.width = static_cast<int>(std::ceil(inkWidth));
    place.origin = -extents.x_advance * Condensing / 2;
    double inkLeft = place.origin + extents.x_bearing * Condensing;
    double inkRight = inkLeft + inkWidth;
    double half = place.width / 2.0 + 0.25;
    if (extents.width > 0 && (inkLeft < -half || inkRight > half)) {
        place.origin -= (inkLeft + inkRight) / 2;  // centre the ink in the band
    }
    return place;
}

int drawGlyph(cairo_t* cr, int code) {
    std::string text = utf8(code == 160 ? ' ' : code);  // the no-break space looks like a space
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    GlyphPlace place = placeGlyph(extents);
    double cellX = (code % 16) * Cell;
    double cellY = (code / 16) * Cell;
    cairo_save(cr);
    cairo_rectangle(cr, cellX, cellY, Cell, Cell);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, cellX + Cell / 2.0 + place.origin, cellY + Baseline);
    cairo_scale(cr, Condensing, 1.0);
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, text.c_str());
    cairo_restore(cr);
    cairo_set_line_width(cr, Weight);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
    return place.width;
}

}  // namespace

MainFontInfo writeMainFont(Output& output, const FontFaces& faces) {
    MainFontInfo info;
    Canvas canvas(TextureSide, TextureSide);
    cairo_t* cr = canvas.cr();
    faces.use(cr, Face::Sans, EmPixels);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    IniText ini;
    ini.section("Char Widths");
    for (int code = 0; code < 256; ++code) {
        info.widths[static_cast<size_t>(code)] = hasGlyph(code) ? drawGlyph(cr, code) : 0;
        ini.set(std::to_string(code), info.widths[static_cast<size_t>(code)]);
    }
    output.writeDds("Data/MainFont.dds", canvas.toImage(), Tinting::Mask);
    output.writeIni("Data/MainFont.ini", ini);
    return info;
}

}  // namespace assetgen
