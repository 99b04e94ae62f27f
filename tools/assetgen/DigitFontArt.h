// A style's digit font: a strip of ten glyph cells (digits 0 to 9) white on transparent, an
// optional soft second strip drawn under the digits (the font's "shadow"), and the description
// file that tells the game where the cells are and how wide each digit is.
#pragma once

#include <string>

#include "Colour.h"
#include "FontFaces.h"
#include "Output.h"

namespace assetgen {

// Every digit font shares one layout: 96-pixel cells side by side in a 1024 x 128 texture
// (ten cells take 960 pixels; the sides must be powers of two). The game's glyph quad is
// blocksize / width = 96 / 1024 = 0.09375 units high at size 1, and as wide as the digit's band.
constexpr int DigitBlock = 96;
constexpr int DigitTextureWidth = 1024;
constexpr int DigitTextureHeight = 128;
constexpr double DigitGlyphHeight = static_cast<double>(DigitBlock) / DigitTextureWidth;

struct DigitShadowDesign {
    bool enabled = false;
    double spread = 0;    // pixels the digit is thickened by before blurring
    double blur = 0;      // Gaussian sigma, pixels
    double strength = 1;  // opacity of the strip's core
    double deltaX = 0;    // offset in screen units at size 1; the game multiplies it by the size
    double deltaY = 0;    // (y upwards)
    Colour colour;        // the colour the strip is drawn in
};

struct DigitFontDesign {
    std::string name;        // files name.ini, name.dds and, with a shadow, nameShadow.dds
    Face face = Face::Sans;
    double inkHeight = 0.6;  // height of the digits' ink as a fraction of the cell
    double inkCentre = 0.5;  // middle of the ink below the cell's top, as a fraction of the cell
    double condense = 1.0;   // horizontal scale of the outlines
    int band = DigitBlock;   // pixels sampled per digit: the advance (charset value, deltaW 0)
    DigitShadowDesign shadow;
};

// Writes folder/name.ini and its textures; folder is below the output root ("Data/Styles/X").
// A digit whose ink (or shadow) would spill out of its band is reported as an error.
void writeDigitFont(Output& output, const FontFaces& faces, const std::string& folder,
                    const DigitFontDesign& design);

}  // namespace assetgen
