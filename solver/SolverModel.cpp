#include "solver/SolverModel.h"

namespace levels {

namespace {

DigitMask startDomain(const GridCell& cell) {
    if (cell.kind == gridPlayable) return allDigits;
    return cell.digit >= 1 && cell.digit <= 9 ? digitBit(cell.digit) : DigitMask(0);
}

}  // namespace

SolverModel buildModel(const CLevelGrid& grid) {
    SolverModel model;
    model.width = grid.width();
    model.height = grid.height();
    model.varOf.assign(size_t(grid.width()) * grid.height(), -1);
    for (int i = 0; i < int(model.varOf.size()); ++i) {
        const GridCell& cell = grid.cell(i);
        if (cell.kind != gridPlayable && cell.kind != gridFixed) continue;
        model.varOf[i] = model.variables();
        model.cellOf.push_back(i);
        model.start.push_back(startDomain(cell));
    }
    model.runsOf.assign(model.start.size(), {-1, -1});
    for (const RunShape& shape : grid.runs()) {
        const int runIndex = int(model.runs.size());
        model.runs.push_back({shape.sum, int(model.runVars.size()), int(shape.cells.size()), shape.clue});
        for (int cell : shape.cells) {
            const int var = model.varOf[cell];
            model.runVars.push_back(var);
            model.runsOf[var][shape.across ? 0 : 1] = runIndex;
        }
    }
    return model;
}

}  // namespace levels
