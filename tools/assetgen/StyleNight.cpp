// "Night": dark slate cells, glowing cyan digits, amber clue sums.
#include "Styles.h"

namespace assetgen {

namespace {

void activeCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0x3A475E), rgb(0x2F3A4D));
    frame(cr, side, 2.5, rgb(0x5B6A87));
}

void clueCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0x1A2130), rgb(0x141A26));
    shadeAcrossTriangle(cr, side, rgb(0xFFFFFF, 0.03));
    clueDiagonal(cr, side, 3.0, rgb(0x56688A, 0.9));
    frame(cr, side, 2.5, rgb(0x0D1119));
}

void unusedCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0x10141C), rgb(0x0C0F15));
    frame(cr, side, 2.5, rgb(0x07090D));
}

}  // namespace

StyleDesign nightStyle() {
    StyleDesign style;
    style.name = "Night";
    style.activeCell = activeCell;
    style.clueCell = clueCell;
    style.unusedCell = unusedCell;

    // Player digits: size 0.5333, quad = cell (0.05), bold ink 0.6 of it (24 px). The glow is the
    // font's second strip: the digits thickened by 2 px and blurred (sigma 4.5 px), drawn with no
    // offset under the digit in translucent blue; the 88-px band leaves it room
    // (ink about 50 px + 2 x (2 + 3 x 4.5) px = 81 px).
    DigitShadowDesign glow;
    glow.enabled = true;
    glow.spread = 2.0;
    glow.blur = 4.5;
    glow.strength = 1.3;
    glow.colour = rgb(0x3A9BFF, 0.6);
    style.activeFont = {"DigitsActive", Face::SansBold, 0.6, 0.5, 1.0, 88, glow};
    style.activeSize = 0.5333;
    // Marks: size 0.19 (quads 0.0178, ink 8.5 px); marks are never drawn with the glow.
    style.markSize = 0.19;

    // Clue sums: size 0.2133, quad 0.4 s, ink 0.7 of it, band 60 px = s/4 per digit; "45" ends at
    // 0.567 s with its top at 0.34 s, clear of the diagonal (0.907 < 1).
    style.clueFont = {"DigitsClue", Face::SansBold, 0.7, 0.5, 0.88, 60, {}};
    style.clueSize = 0.2133;

    // Fixed digits: size 0.5333, regular weight in soft white, so they read as given, not entered.
    style.fixedFont = {"DigitsFixed", Face::Sans, 0.6, 0.5, 1.0, 88, {}};
    style.fixedSize = 0.5333;

    style.activeColour = rgb(0x8ED8FF);
    style.wrongColour = rgb(0xFF6464);
    style.markSelectColour = rgb(0xFFD166);
    style.clueColour = rgb(0xF2B84B);
    style.fixedColour = rgb(0xE4E8EF);
    return style;
}

}  // namespace assetgen
