// "Classic": white playing cells with crisp blue digits, slate clue cells with white sums.
#include "Styles.h"

namespace assetgen {

namespace {

void activeCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0xFFFFFF), rgb(0xEDF1F6));
    frame(cr, side, 2.5, rgb(0x8F9DB2));
}

void clueCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0x5A6C86), rgb(0x48576E));
    shadeAcrossTriangle(cr, side, rgb(0xFFFFFF, 0.05));
    clueDiagonal(cr, side, 3.0, rgb(0xC9D3E1, 0.85));
    frame(cr, side, 2.5, rgb(0x333E4E));
}

void unusedCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0x414D5E), rgb(0x363F4D));
    frame(cr, side, 2.5, rgb(0x2A323E));
}

}  // namespace

StyleDesign classicStyle() {
    StyleDesign style;
    style.name = "Classic";
    style.activeCell = activeCell;
    style.clueCell = clueCell;
    style.unusedCell = unusedCell;

    // Player digits: size 0.5333 makes the quad 0.5333 x 0.09375 = 0.05 = s, the whole cell. Ink
    // 0.62 of it, centred: a digit 0.031 units (25 px) tall with 0.0095 free above and below.
    // The band (88 of the 96 pixels) only centres single digits, so it can be generous.
    style.activeFont = {"DigitsActive", Face::Sans, 0.62, 0.5, 1.0, 88, {}};
    style.activeSize = 0.5333;
    // Marks, same font: size 0.19 gives quads 0.0178 high (0.356 s; a third is 0.333 s) and ink
    // 0.62 x 0.0178 = 0.011 units (8.8 px). The quad hangs from the top of its third, so the
    // ink's middle is 0.178 s below that top, next to the third's middle at 0.167 s.
    style.markSize = 0.19;

    // Clue sums: size 0.2133 gives quads 0.02 = 0.4 s high; ink 0.7 of that is 0.014 (11 px),
    // centred, so 0.15 x 0.02 = 0.003 (about s/15, the side inset) stays free above and below.
    // Band 60 px: a digit advances 60/1024 x 0.2133 = 0.0125 = s/4, so "45" spans
    // s/15 + 2 x s/4 = 0.567 s from the left edge with its top 0.85 x 0.4 s = 0.34 s up:
    // 0.567 + 0.34 = 0.907 < 1, so the down sum stays below the diagonal x + y = s, and the
    // across sum, mirrored in the top-right corner, above it. Bold, condensed to 88 %.
    DigitShadowDesign clueShadow;
    clueShadow.enabled = true;
    clueShadow.blur = 1.2;
    clueShadow.strength = 1.0;
    // Offset (0.006, -0.006) at size 0.2133: 0.00128 units, one pixel right and down.
    clueShadow.deltaX = 0.006;
    clueShadow.deltaY = -0.006;
    clueShadow.colour = rgb(0x10161F, 0.55);
    style.clueFont = {"DigitsClue", Face::SansBold, 0.7, 0.5, 0.88, 60, clueShadow};
    style.clueSize = 0.2133;

    // Fixed digits: as the player's (0.5333, the whole cell) in bold, near-black.
    style.fixedFont = {"DigitsFixed", Face::SansBold, 0.62, 0.5, 1.0, 88, {}};
    style.fixedSize = 0.5333;

    style.activeColour = rgb(0x2356B5);
    style.wrongColour = rgb(0xDA2C20);
    style.markSelectColour = rgb(0xE8780C);
    style.clueColour = rgb(0xFFFFFF);
    style.fixedColour = rgb(0x1A222D);
    return style;
}

}  // namespace assetgen
