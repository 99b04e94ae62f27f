#include "puzzle/StartingView.h"

namespace startingView {

namespace {

// Edges that meet, give or take rounding, do not overlap.
constexpr float slack = 1e-4f;

bool overlaps(const Area& a, const Area& b) {
    return a.left + slack < b.right && b.left + slack < a.right && a.bottom + slack < b.top &&
           b.bottom + slack < a.top;
}

}  // namespace

bool underCaption(int width, int height, int column, int row) {
    float left = centreX - float(width) * cellEdge / 2.0f + float(column) * cellEdge;
    float top = centreY + float(height) * cellEdge / 2.0f - float(row) * cellEdge;
    Area cell{left, top, left + cellEdge, top - cellEdge};
    return overlaps(cell, retireArea) || overlaps(cell, clockArea);
}

std::vector<bool> cellsUnderCaptions(int width, int height) {
    std::vector<bool> under;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) under.push_back(underCaption(width, height, column, row));
    return under;
}

}  // namespace startingView
