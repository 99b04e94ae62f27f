// The game's two kinds of text, drawn for the previews exactly as the game lays them out: the main
// font's quads (one per character, the full cell height) and a style font's digit quads.
#pragma once

#include <string>

#include "DigitFontArt.h"
#include "MainFontArt.h"
#include "ViewPainter.h"

namespace assetgen {

class MainFontView {
public:
    static constexpr double CellHeight = 0.0625;  // the line height at scale 1

    MainFontView(const Output& output, const MainFontInfo& info);

    double textWidth(const std::string& text, double scale) const;
    // Alignment 0 starts at x, 1 ends at x, 2 is centred on x; y is the bottom of the line.
    void drawText(const ViewPainter& painter, const std::string& text, double x, double y,
                  double scale, int alignment, Colour colour) const;

private:
    double width(unsigned char code) const { return info_.widths[code] / 512.0; }

    Texture texture_;
    MainFontInfo info_;
};

class DigitFontView {
public:
    DigitFontView(const Output& output, const std::string& folder, const DigitFontDesign& design);

    double glyphHeight() const { return DigitGlyphHeight; }
    // The board's number drawing: alignment 0 starts at x, 1 ends at x, 2 is centred on x; y is
    // the bottom of the glyphs. With shadow, the shadow strip goes first, offset and in its colour.
    void drawNumber(const ViewPainter& painter, double x, double y, double size, int number,
                    int alignment, bool italic, bool shadow, Colour colour) const;

private:
    void drawDigits(const ViewPainter& painter, const Texture& texture, double x, double y,
                    double size, const std::string& digits, bool italic, Colour colour) const;

    Texture glyphs_;
    Texture shadow_;
    DigitFontDesign design_;
};

}  // namespace assetgen
