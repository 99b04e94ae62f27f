// The shape of a new level: which cells are playable. The top row and the left column hold clues
// only; the rest is symmetric under a half turn, every run is 2 to maxRun cells long (so every
// playable cell lies in an across and a down run) and the playable cells are connected. Cells the
// caller asks to keep unused start no run: neither they nor the cells to their right and below
// are playable.
#pragma once

#include <vector>

#include "solver/Random.h"

namespace levels {

struct PatternOptions {
    int width = 8;            // whole board, clue row and column included
    int height = 8;
    int maxRun = 9;           // longest run allowed, 2 to 9
    double blockShare = 0.2;  // share of the inner cells to turn into clue or unused cells
    int maxSquare = 3;        // largest fully playable square allowed: open areas are hard to
                              // make unique and tedious to solve
    std::vector<bool> keepUnused = {};  // per cell (y * width + x): must end up unused; empty = none
};

class CPattern {
public:
    CPattern(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool playable(int x, int y) const { return inside(x, y) && open_[y * width_ + x]; }
    int playableCount() const;
    // Run lengths 2 to maxRun, connected, symmetric, at least one playable cell.
    bool valid(int maxRun) const;

    // Tries to draw a pattern; false (pattern unusable) when it paints itself into a corner.
    bool generate(const PatternOptions& options, CRandom& random);

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    void setPair(int x, int y, bool isOpen);  // the cell and its mirror image
    bool lineValid(int x, int y, bool across, int maxRun) const;  // every run on the line
    bool connected() const;
    bool reachesEdges() const;
    void loneCellsAround(int x, int y, std::vector<int>& lone) const;
    bool tryBlock(int x, int y);  // blocks the pair (and cells left alone) when still valid
    struct Segment {
        int x, y;  // first cell
        bool across;
        int length;
    };
    std::vector<Segment> longRuns(int maxRun) const;
    bool cutRun(const Segment& run, int maxRun, CRandom& random);
    bool breakLongRuns(int maxRun, CRandom& random);
    bool openSquareAt(int x, int y, int side) const;  // top-left corner
    bool breakOpenSquares(int maxSquare, CRandom& random);
    bool closeKeptUnused(const std::vector<bool>& keepUnused);

    int width_;
    int height_;
    std::vector<char> open_;
};

}  // namespace levels
