// Text layout mirroring the game's display lists.
#include "GameFonts.h"

namespace assetgen {

MainFontView::MainFontView(const Output& output, const MainFontInfo& info)
    : texture_(loadTexture(output, "Data/MainFont.dds")), info_(info) {}

double MainFontView::textWidth(const std::string& text, double scale) const {
    double total = 0;
    for (char c : text) total += width(static_cast<unsigned char>(c));
    return total * scale;
}

void MainFontView::drawText(const ViewPainter& painter, const std::string& text, double x,
                            double y, double scale, int alignment, Colour colour) const {
    if (alignment == 1) x -= textWidth(text, scale);
    if (alignment == 2) x -= textWidth(text, scale) / 2;
    if (alignment < 0 || alignment > 2) return;
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        double w = width(code);
        double t0 = (code / 16) * 0.0625, t1 = t0 + 0.0625;
        double centre = (code % 16) * 0.0625 + 0.03125;
        double uL = centre - w / 2, uR = centre + w / 2;
        double top = y + CellHeight * scale;
        if (w > 0) {
            painter.quad(texture_, {x, top}, {uL, t0}, {x + w * scale, top}, {uR, t0}, {x, y},
                         {uL, t1}, colour);
        }
        x += w * scale;
    }
}

DigitFontView::DigitFontView(const Output& output, const std::string& folder,
                             const DigitFontDesign& design)
    : glyphs_(loadTexture(output, folder + "/" + design.name + ".dds")),
      shadow_(loadTexture(output, folder + "/" + design.name + "Shadow.dds")),
      design_(design) {}

void DigitFontView::drawDigits(const ViewPainter& painter, const Texture& texture, double x,
                               double y, double size, const std::string& digits, bool italic,
                               Colour colour) const {
    const double cellU = DigitGlyphHeight;
    const double cellT = static_cast<double>(DigitBlock) / DigitTextureHeight;
    const double w = static_cast<double>(design_.band) / DigitTextureWidth;
    const double slant = italic ? cellU / 5 : 0;
    for (char c : digits) {
        int digit = c - '0';
        double centre = digit * cellU + cellU / 2;
        double uL = centre - w / 2, uR = centre + w / 2;
        ViewPoint topLeft{x + slant * size, y + cellU * size};
        ViewPoint topRight{x + (w + slant) * size, y + cellU * size};
        ViewPoint bottomLeft{x - slant * size, y};
        painter.quad(texture, topLeft, {uL, 0}, topRight, {uR, 0}, bottomLeft, {uL, cellT}, colour);
        x += w * size;
    }
}

void DigitFontView::drawNumber(const ViewPainter& painter, double x, double y, double size,
                               int number, int alignment, bool italic, bool shadow,
                               Colour colour) const {
    std::string digits = std::to_string(number);
    double total = digits.size() * static_cast<double>(design_.band) / DigitTextureWidth * size;
    if (alignment == 1) x -= total;
    if (alignment == 2) x -= total / 2;
    if (alignment < 0 || alignment > 2) return;
    if (shadow && design_.shadow.enabled) {
        drawDigits(painter, shadow_, x + size * design_.shadow.deltaX, y + size * design_.shadow.deltaY,
                   size, digits, italic, design_.shadow.colour);
    }
    drawDigits(painter, glyphs_, x, y, size, digits, italic, colour);
}

}  // namespace assetgen
