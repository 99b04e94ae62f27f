// A level as the tools see it: a rectangle of cells with their kinds, clue sums and given digits,
// and the runs the game builds from them. Plain data, no drawing and no files.
#pragma once

#include <string>
#include <vector>

namespace levels {

enum GridKind { gridClue = 0, gridPlayable = 1, gridUnused = 2, gridFixed = 3 };

struct GridCell {
    int kind = gridUnused;
    int across = 0;  // clue: sum of the run to the right, 0 = none
    int down = 0;    // clue: sum of the run below, 0 = none
    int digit = 0;   // fixed: the given digit
};

// A run as the game builds it: the playable and fixed cells after a clue, up to the first cell of
// another kind or the edge. Cells are grid indices (y * width + x).
struct RunShape {
    int sum = 0;
    bool across = true;
    int clue = 0;  // grid index of the clue cell
    std::vector<int> cells;
};

class CLevelGrid {
public:
    CLevelGrid() = default;
    CLevelGrid(int width, int height);  // every cell unused

    int width() const { return width_; }
    int height() const { return height_; }
    int index(int x, int y) const { return y * width_ + x; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    GridCell& at(int x, int y) { return cells_[index(x, y)]; }
    const GridCell& at(int x, int y) const { return cells_[index(x, y)]; }
    const GridCell& cell(int index) const { return cells_[index]; }

    int count(int kind) const;
    // In the game's order: rows from the top, columns from the left, across before down.
    std::vector<RunShape> runs() const;
    // Faults that make a level unfit to ship even when it has one solution: runs without a
    // playable cell or longer than nine cells, playable cells outside an across and a down run.
    std::vector<std::string> faults() const;

private:
    RunShape walkRun(int x, int y, bool across, int sum) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<GridCell> cells_;
};

}  // namespace levels
