#include "tools/levels/Analysis.h"

#include <cstdio>

#include "puzzle/StartingView.h"
#include "solver/SolverModel.h"

namespace levels {

namespace {

// One fault naming every cell under a caption that is not unused; empty when there is none.
std::string captionFault(const CLevelGrid& grid) {
    static const char* const kinds[] = {"a clue", "playable", "unused", "fixed"};
    const std::vector<bool> under = startingView::cellsUnderCaptions(grid.width(), grid.height());
    std::string cells;
    for (int i = 0; i < int(under.size()); ++i) {
        const int kind = grid.cell(i).kind;
        if (!under[i] || kind == gridUnused) continue;
        cells += cells.empty() ? " " : ", ";
        cells += "(" + std::to_string(i % grid.width()) + "," + std::to_string(i / grid.width()) + ") is " +
                 (kind >= 0 && kind <= 3 ? kinds[kind] : "of unknown kind");
    }
    return cells.empty() ? cells : "cells under the captions at the starting view must be unused:" + cells;
}

}  // namespace

Analysis analyseLevel(const CLevelGrid& grid) {
    Analysis analysis;
    analysis.runs = int(grid.runs().size());
    analysis.playable = grid.count(gridPlayable);
    analysis.fixed = grid.count(gridFixed);
    analysis.faults = grid.faults();
    const std::string captions = captionFault(grid);
    if (!captions.empty()) analysis.faults.push_back(captions);
    const SolverModel model = buildModel(grid);
    analysis.solve = CSolver(model).solve(2);
    analysis.grade = gradeLevel(model);
    return analysis;
}

namespace {

std::string cellText(const GridCell& cell, int digit) {
    char text[16];
    switch (cell.kind) {
    case gridClue: {
        char down[4] = "  ", across[4] = "  ";
        if (cell.down) std::snprintf(down, sizeof down, "%2d", cell.down % 100);
        if (cell.across) std::snprintf(across, sizeof across, "%-2d", cell.across % 100);
        std::snprintf(text, sizeof text, "%s\\%s", down, across);
        break;
    }
    case gridPlayable:
    case gridFixed:
        if (digit >= 1 && digit <= 9) std::snprintf(text, sizeof text, cell.kind == gridFixed ? " [%d]" : "  %d ", digit);
        else std::snprintf(text, sizeof text, "  . ");
        break;
    default:
        std::snprintf(text, sizeof text, " ###");
    }
    std::string padded(text);
    if (padded.size() < 5) padded.resize(5, ' ');
    return padded;
}

}  // namespace

std::string formatGrid(const CLevelGrid& grid, const std::vector<int>& digits) {
    std::string out;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            if (x > 0) out += ' ';
            const int index = grid.index(x, y);
            out += cellText(grid.cell(index), index < int(digits.size()) ? digits[index] : 0);
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += '\n';
    }
    return out;
}

}  // namespace levels
