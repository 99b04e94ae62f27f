// The visual styles the game ships: what each one's "Style.ini" says and how its cells and digit
// fonts are drawn. One file per style (StyleClassic.cpp, StylePaper.cpp, StyleNight.cpp).
//
// Board arithmetic every style starts from (the board drawing's rules):
//   - a cell is s = 0.05 view units at zoom 1: 40 pixels of the 800-pixel-wide view;
//   - a digit-font glyph quad is G = blocksize / width = 96 / 1024 = 0.09375 units high at
//     size 1, so a font drawn at size k shows quads k x 0.09375 high;
//   - digits sit on the cell's bottom edge, centred; the nine marks hang from the tops of the
//     cell's thirds, centred at 0.125 s + column x s/3; a clue's down sum starts s/15 right of the
//     cell's bottom-left corner, its across sum ends s/15 left of the top-right corner with the
//     quad's top on the cell's top edge.
#pragma once

#include <string>
#include <vector>

#include "CellArt.h"
#include "Colour.h"
#include "DigitFontArt.h"

namespace assetgen {

struct StyleDesign {
    std::string name;  // the folder below Data/Styles and the name the panel shows

    CellPainter activeCell = nullptr;  // playable and fixed cells; tinted (0.6, 0.6, 0.7) when hovered
    CellPainter clueCell = nullptr;
    CellPainter unusedCell = nullptr;  // drawn at the view's opacity: 0, 1 or 0.4

    DigitFontDesign activeFont;  // the player's digits and the candidate marks
    DigitFontDesign clueFont;    // clue sums
    DigitFontDesign fixedFont;   // digits given by the level

    double activeSize = 1;  // FontActiveSize
    double markSize = 1;    // FontActiveSizePV
    double clueSize = 1;    // FontHandleSize
    double fixedSize = 1;   // FontLockedSize
    bool activeItalic = false, clueItalic = false, fixedItalic = false;

    Colour activeColour;      // FontActiveColor: digits and marks
    Colour wrongColour;       // FontActiveColorUnCorrect: a digit in a run that overflows or repeats
    Colour markSelectColour;  // FontActiveColorPVSelect: the mark under the pointer
    Colour clueColour;        // FontHandleColor
    Colour fixedColour;       // FontLockedColor
};

StyleDesign classicStyle();
StyleDesign paperStyle();
StyleDesign nightStyle();

// In the order of "VisualStyles.ini": the first is the one a new player sees.
std::vector<StyleDesign> shippedStyles();

}  // namespace assetgen
