// The digit pop-ups drawn for the previews as the game draws them: a shadow pass, then the items.
#pragma once

#include <array>

#include "Output.h"
#include "ViewPainter.h"

namespace assetgen {

struct MockPopUp {
    bool ring = true;   // the ring (PopClassic) or the 3 x 3 keypad (PopClassicQuad)
    double cx = 0, cy = 0;
    int hovered = -1;   // item under the pointer, -1 for none
    std::array<bool, 10> marked{};
    double scale = 1;   // the opening animation's value
};

void drawPopUp(const ViewPainter& painter, const Output& output, const MockPopUp& popUp);

}  // namespace assetgen
