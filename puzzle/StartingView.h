// Where a level opens for play, and the two captions that stand over the board there: the
// "Retire" label and the play clock. A level must keep every cell that is not unused clear of
// both, or a press on that cell retires the level and clue sums hide the clock.
#pragma once

#include <vector>

namespace startingView {

constexpr float zoom = 1.0f;
constexpr float centreX = 0.5f;
constexpr float centreY = 0.37f;
constexpr float cellEdge = 0.05f;  // at zoom 1

// The captions' anchors, as the menu and the frame draw them.
constexpr float retireLeft = 0.02f, retireTop = 0.15f, retireScale = 0.6f;
constexpr float clockLeft = 0.04f, clockBottom = 0.61f, clockScale = 0.4f;

// An area in view units, y upwards.
struct Area {
    float left, top, right, bottom;
};

// What the captions may cover with the shipped font: "Retire", and a clock up to "999:59" (a
// render test holds the measured text to these).
constexpr Area retireArea{retireLeft, retireTop, 0.095f, retireTop - 0.0625f * retireScale};
constexpr Area clockArea{clockLeft, clockBottom + 0.0625f * clockScale, 0.1f, clockBottom};

// True when cell (column, row) of a width x height board, row 0 at the top, overlaps either
// caption at the starting view (touching edges do not count).
bool underCaption(int width, int height, int column, int row);

// The same for every cell, row by row from the top: index row * width + column.
std::vector<bool> cellsUnderCaptions(int width, int height);

}  // namespace startingView
