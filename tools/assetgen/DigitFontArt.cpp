// Digit strips: each digit's ink is centred horizontally in its cell (where the game centres the
// sampled band) and placed vertically as the design asks, all digits on one baseline.
#include "DigitFontArt.h"

#include <cmath>

#include "Canvas.h"

namespace assetgen {

namespace {

struct Placement {
    double em = 0;        // font size in pixels
    double baseline = 0;  // below the strip's top
};

Placement placeDigits(cairo_t* cr, const FontFaces& faces, const DigitFontDesign& design) {
    faces.use(cr, design.face, 100.0);
    cairo_text_extents_t all;
    cairo_text_extents(cr, "0123456789", &all);
    Placement placement;
    placement.em = 100.0 * design.inkHeight * DigitBlock / all.height;
    double scale = placement.em / 100.0;
    placement.baseline = design.inkCentre * DigitBlock - scale * (all.y_bearing + all.height / 2);
    return placement;
}

// Adds the outline of digit i, centred on its cell, to the current path.
void digitPath(cairo_t* cr, const FontFaces& faces, const DigitFontDesign& design,
               const Placement& placement, int digit) {
    char text[2] = {static_cast<char>('0' + digit), 0};
    faces.use(cr, design.face, placement.em);
    cairo_text_extents_t ink;
    cairo_text_extents(cr, text, &ink);
    double centre = digit * DigitBlock + DigitBlock / 2.0;
    cairo_save(cr);
    cairo_translate(cr, centre, placement.baseline);
    cairo_scale(cr, design.condense, 1.0);
    cairo_move_to(cr, -(ink.x_bearing + ink.width / 2), 0);
    cairo_text_path(cr, text);
    cairo_restore(cr);
}

// Checks that what was drawn for each digit lies inside its band (with a pixel to spare for
// filtering) and inside the rows of the strip the game samples: anything outside would be cut off
// or bleed into the neighbouring digit.
void checkBands(Output& output, const Image& image, const std::string& file, int band) {
    for (int digit = 0; digit < 10; ++digit) {
        double left = digit * DigitBlock + (DigitBlock - band) / 2.0 + 1;
        double right = left + band - 2;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = digit * DigitBlock; x < (digit + 1) * DigitBlock; ++x) {
                bool outside = x < left || x + 1 > right || y >= DigitBlock - 1;
                if (outside && image.at(x, y).a > 2.0f / 255.0f) {
                    output.fail(file + ": digit " + std::to_string(digit) + " spills out of its " +
                                std::to_string(band) + "-pixel band at (" + std::to_string(x) +
                                ", " + std::to_string(y) + ")");
                    return;
                }
            }
        }
    }
}

}  // namespace

void writeDigitFont(Output& output, const FontFaces& faces, const std::string& folder,
                    const DigitFontDesign& design) {
    Canvas glyphs(DigitTextureWidth, DigitTextureHeight);
    Canvas shadow(DigitTextureWidth, DigitTextureHeight);
    Placement placement = placeDigits(glyphs.cr(), faces, design);
    for (int digit = 0; digit < 10; ++digit) {
        digitPath(glyphs.cr(), faces, design, placement, digit);
        digitPath(shadow.cr(), faces, design, placement, digit);
    }
    cairo_set_source_rgba(glyphs.cr(), 1, 1, 1, 1);
    cairo_fill(glyphs.cr());
    cairo_set_source_rgba(shadow.cr(), 1, 1, 1, 1);
    cairo_set_line_width(shadow.cr(), 2 * design.shadow.spread);
    cairo_set_line_join(shadow.cr(), CAIRO_LINE_JOIN_ROUND);
    cairo_fill_preserve(shadow.cr());
    if (design.shadow.spread > 0) cairo_stroke(shadow.cr());
    cairo_new_path(shadow.cr());

    Image glyphImage = glyphs.toImage();
    output.writeDds(folder + "/" + design.name + ".dds", glyphImage, Tinting::Mask);
    checkBands(output, glyphImage, design.name + ".dds", design.band);

    IniText ini;
    ini.section("global");
    ini.set("map", design.name + ".dds");
    if (design.shadow.enabled) {
        Image shadowImage =
            faded(blurred(shadow.toImage(), design.shadow.blur), static_cast<float>(design.shadow.strength));
        output.writeDds(folder + "/" + design.name + "Shadow.dds", shadowImage, Tinting::Mask);
        checkBands(output, shadowImage, design.name + "Shadow.dds", design.band);
        ini.set("shadow", design.name + "Shadow.dds");
        ini.set("shadowDelta.X", design.shadow.deltaX);
        ini.set("shadowDelta.Y", design.shadow.deltaY);
        ini.set("shadowColor", design.shadow.colour);
    }
    ini.set("width", DigitTextureWidth);
    ini.set("height", DigitTextureHeight);
    ini.set("deltaW", 0);
    ini.set("blocksize", DigitBlock);
    ini.section("charset");
    for (int digit = 0; digit < 10; ++digit) ini.set(std::to_string(digit), design.band);
    output.writeIni(folder + "/" + design.name + ".ini", ini);
}

}  // namespace assetgen
