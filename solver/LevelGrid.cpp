#include "solver/LevelGrid.h"

#include <algorithm>

namespace levels {

namespace {

bool inRun(const GridCell& cell) { return cell.kind == gridPlayable || cell.kind == gridFixed; }

std::string place(const CLevelGrid& grid, int index) {
    return "(" + std::to_string(index % grid.width()) + "," + std::to_string(index / grid.width()) + ")";
}

}  // namespace

CLevelGrid::CLevelGrid(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), cells_(size_t(width_) * height_) {}

int CLevelGrid::count(int kind) const {
    return int(std::count_if(cells_.begin(), cells_.end(),
                             [kind](const GridCell& cell) { return cell.kind == kind; }));
}

RunShape CLevelGrid::walkRun(int x, int y, bool across, int sum) const {
    RunShape run;
    run.sum = sum;
    run.across = across;
    run.clue = index(x, y);
    for (int step = 1;; ++step) {
        const int cx = across ? x + step : x;
        const int cy = across ? y : y + step;
        if (!inside(cx, cy) || !inRun(at(cx, cy))) break;
        run.cells.push_back(index(cx, cy));
    }
    return run;
}

std::vector<RunShape> CLevelGrid::runs() const {
    std::vector<RunShape> result;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const GridCell& cell = at(x, y);
            if (cell.kind != gridClue) continue;
            if (cell.across > 0) result.push_back(walkRun(x, y, true, cell.across));
            if (cell.down > 0) result.push_back(walkRun(x, y, false, cell.down));
        }
    }
    return result;
}

std::vector<std::string> CLevelGrid::faults() const {
    std::vector<std::string> found;
    std::vector<int> acrossRuns(cells_.size()), downRuns(cells_.size());
    for (const RunShape& run : runs()) {
        const bool playable = std::any_of(run.cells.begin(), run.cells.end(),
                                          [this](int i) { return cells_[i].kind == gridPlayable; });
        const std::string what = std::string(run.across ? "across" : "down") + " run at " + place(*this, run.clue);
        if (!playable) found.push_back(what + " has no playable cell");
        if (run.cells.size() > 9) found.push_back(what + " is longer than nine cells");
        for (int i : run.cells) ++(run.across ? acrossRuns : downRuns)[i];
    }
    for (size_t i = 0; i < cells_.size(); ++i) {
        if (cells_[i].kind == gridPlayable && (acrossRuns[i] == 0 || downRuns[i] == 0))
            found.push_back("playable cell " + place(*this, int(i)) + " lies outside an across or a down run");
    }
    return found;
}

}  // namespace levels
