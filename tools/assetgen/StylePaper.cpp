// "Paper": cream cells with grain, kraft-brown clues, digits in slanted ink as if written by hand.
#include "Styles.h"

namespace assetgen {

namespace {

void activeCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0xF8F1DF), rgb(0xF1E7D0));
    grain(cr, side, 0.05, 11);
    frame(cr, side, 2.5, rgb(0xB29873));
}

void clueCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0xAC875D), rgb(0x9D7850));
    grain(cr, side, 0.07, 23);
    clueDiagonal(cr, side, 3.0, rgb(0xF4E6C8, 0.9));
    frame(cr, side, 2.5, rgb(0x74573A));
}

void unusedCell(cairo_t* cr, double side) {
    fillVertical(cr, side, rgb(0x8E7152), rgb(0x836749));
    grain(cr, side, 0.06, 37);
    hatch(cr, side, 16, 2.0, rgb(0x5F4731, 0.55));
    frame(cr, side, 2.5, rgb(0x654B33));
}

}  // namespace

StyleDesign paperStyle() {
    StyleDesign style;
    style.name = "Paper";
    style.activeCell = activeCell;
    style.clueCell = clueCell;
    style.unusedCell = unusedCell;

    // Player digits as in every style: size 0.5333, the quad is the cell (0.05), ink 0.6 of it
    // (24 px). Italic: the game slants the quad by a fifth of its height each way, so the band
    // (88 px) keeps the upright glyph and the slant comes from the geometry alone.
    style.activeFont = {"DigitsActive", Face::Sans, 0.6, 0.5, 1.0, 88, {}};
    style.activeSize = 0.5333;
    style.activeItalic = true;
    // Marks (never slanted): size 0.19, quads 0.0178 high, ink 0.6 x 0.0178 = 0.0107 (8.5 px).
    style.markSize = 0.19;

    // Clue sums: size 0.2133, quad 0.4 s, ink 0.7 of it (11 px) with about s/15 free above and
    // below; band 60 px = s/4 per digit, "45" ends at 0.567 s, its top at 0.34 s: clear of the
    // diagonal (0.907 < 1). No shadow on paper.
    style.clueFont = {"DigitsClue", Face::SansBold, 0.7, 0.5, 0.88, 60, {}};
    style.clueSize = 0.2133;

    // Printed digits of the level: upright bold, the whole cell as for the player's.
    style.fixedFont = {"DigitsFixed", Face::SansBold, 0.6, 0.5, 1.0, 88, {}};
    style.fixedSize = 0.5333;

    style.activeColour = rgb(0x233C91);
    style.wrongColour = rgb(0xC7301C);
    style.markSelectColour = rgb(0xCF5A00);
    style.clueColour = rgb(0xFFF5DE);
    style.fixedColour = rgb(0x3A2A1B);
    return style;
}

}  // namespace assetgen
