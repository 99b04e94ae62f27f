// Pop-up layouts: the ring puts item k at 0.05 units and 40k - 20 degrees clockwise from the top,
// the keypad puts item 3r + c + 1 at ((c - 1) x 0.036, (1 - r) x 0.036); item 0 is in the centre.
#include "MockPopUp.h"

#include <cmath>
#include <string>

namespace assetgen {

namespace {

ViewPoint itemOffset(const MockPopUp& popUp, int item) {
    if (item == 0) return {0, 0};
    if (popUp.ring) {
        double angle = (40.0 * item - 20.0) * M_PI / 180.0;
        return {0.05 * std::sin(angle) * popUp.scale, 0.05 * std::cos(angle) * popUp.scale};
    }
    int r = (item - 1) / 3, c = (item - 1) % 3;
    return {(c - 1) * 0.036, (1 - r) * 0.036};
}

void square(const ViewPainter& painter, const Texture& texture, double x, double y, double half,
            Colour colour) {
    painter.uprightQuad(texture, x - half, y + half, 2 * half, 2 * half, colour);
}

}  // namespace

void drawPopUp(const ViewPainter& painter, const Output& output, const MockPopUp& popUp) {
    std::string folder = popUp.ring ? "Data/Styles/PopClassic/" : "Data/Styles/PopClassicQuad/";
    double width = popUp.ring ? 0.04 : 0.036, s = popUp.scale;
    Texture shadow = loadTexture(output, folder + "shadow.dds");
    for (int item = 0; item < 10; ++item) {
        ViewPoint at = itemOffset(popUp, item);
        Colour colour = item == popUp.hovered ? Colour{1, 0.8, 0, s} : Colour{0.5, 0.5, 0.5, s};
        square(painter, shadow, popUp.cx + at.x, popUp.cy + at.y, width / 1.5 * s, colour);
    }
    for (int item = 0; item < 10; ++item) {
        ViewPoint at = itemOffset(popUp, item);
        Colour colour = item == popUp.hovered ? Colour{1, 0.8, 0, s} : Colour{1, 1, 1, s};
        std::string name = folder + std::to_string(item) + (popUp.marked[static_cast<size_t>(item)] ? "ch" : "") + ".dds";
        square(painter, loadTexture(output, name), popUp.cx + at.x, popUp.cy + at.y, width / 2 * s, colour);
    }
}

}  // namespace assetgen
