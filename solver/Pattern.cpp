#include "solver/Pattern.h"

#include <algorithm>
#include <cmath>

namespace levels {

CPattern::CPattern(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), open_(size_t(width_) * height_, 0) {}

int CPattern::playableCount() const { return int(std::count(open_.begin(), open_.end(), 1)); }

void CPattern::setPair(int x, int y, bool isOpen) {
    open_[y * width_ + x] = isOpen;
    open_[(height_ - y) * width_ + (width_ - x)] = isOpen;  // half turn of the inner area
}

// Every run on the line through (x, y) is allowed: never a lone cell, never above maxRun.
bool CPattern::lineValid(int x, int y, bool across, int maxRun) const {
    const int size = across ? width_ : height_;
    int length = 0;
    for (int i = 0; i <= size; ++i) {
        const bool isOpen = i < size && (across ? playable(i, y) : playable(x, i));
        if (isOpen) {
            ++length;
            continue;
        }
        if (length == 1 || length > maxRun) return false;
        length = 0;
    }
    return true;
}

bool CPattern::connected() const {
    const int total = playableCount();
    if (total == 0) return false;
    const int start = int(std::find(open_.begin(), open_.end(), 1) - open_.begin());
    std::vector<char> seen(open_.size(), 0);
    std::vector<int> pending{start};
    seen[start] = 1;
    int reached = 0;
    while (!pending.empty()) {
        const int cell = pending.back();
        pending.pop_back();
        ++reached;
        const int x = cell % width_, y = cell / width_;
        const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
        for (const auto& n : next) {
            if (!playable(n[0], n[1]) || seen[n[1] * width_ + n[0]]) continue;
            seen[n[1] * width_ + n[0]] = 1;
            pending.push_back(n[1] * width_ + n[0]);
        }
    }
    return reached == total;
}

bool CPattern::valid(int maxRun) const {
    if (width_ < 3 || height_ < 3) return false;
    for (int i = 0; i < width_; ++i)
        if (playable(i, 0)) return false;
    for (int i = 0; i < height_; ++i)
        if (playable(0, i)) return false;
    for (int y = 1; y < height_; ++y)
        for (int x = 1; x < width_; ++x)
            if (playable(x, y) != playable(width_ - x, height_ - y)) return false;
    for (int y = 0; y < height_; ++y)
        if (!lineValid(0, y, true, maxRun)) return false;
    for (int x = 0; x < width_; ++x)
        if (!lineValid(x, 0, false, maxRun)) return false;
    return connected();
}

// Lone cells on the lines through (x, y): they must be blocked as well.
void CPattern::loneCellsAround(int x, int y, std::vector<int>& lone) const {
    for (int dir = 0; dir < 2; ++dir) {
        const bool across = dir == 0;
        const int size = across ? width_ : height_;
        int run = 0;
        for (int i = 0; i <= size; ++i) {
            if (i < size && (across ? playable(i, y) : playable(x, i))) {
                ++run;
                continue;
            }
            if (run == 1) lone.push_back(across ? y * width_ + (i - 1) : (i - 1) * width_ + x);
            run = 0;
        }
    }
}

// Blocks the pair and, in turn, every cell that leaves alone; undone when that takes more than a
// few cells or splits the playable area.
bool CPattern::tryBlock(int x, int y) {
    constexpr int cascadeLimit = 4;
    if (!playable(x, y)) return false;
    const std::vector<char> saved = open_;
    std::vector<int> pending{y * width_ + x};
    int blocked = 0;
    while (!pending.empty() && blocked <= cascadeLimit) {
        const int cell = pending.back();
        pending.pop_back();
        const int cx = cell % width_, cy = cell / width_;
        if (!playable(cx, cy)) continue;
        setPair(cx, cy, false);
        ++blocked;
        loneCellsAround(cx, cy, pending);
        loneCellsAround(width_ - cx, height_ - cy, pending);
    }
    if (pending.empty() && blocked <= cascadeLimit && connected()) return true;
    open_ = saved;
    return false;
}

std::vector<CPattern::Segment> CPattern::longRuns(int maxRun) const {
    std::vector<Segment> found;
    for (int dir = 0; dir < 2; ++dir) {
        const bool across = dir == 0;
        const int size = across ? width_ : height_;
        for (int line = 0; line < (across ? height_ : width_); ++line) {
            int run = 0;
            for (int i = 0; i <= size; ++i) {
                if (i < size && (across ? playable(i, line) : playable(line, i))) {
                    ++run;
                    continue;
                }
                if (run > maxRun)
                    found.push_back({across ? i - run : line, across ? line : i - run, across, run});
                run = 0;
            }
        }
    }
    return found;
}

// Blocks one cell of a run that is too long, preferring cuts that leave both pieces short enough.
bool CPattern::cutRun(const Segment& run, int maxRun, CRandom& random) {
    std::vector<int> cuts;
    for (int i = 0; i < run.length; ++i)
        if (i != 1 && i != run.length - 2) cuts.push_back(i);
    random.shuffle(cuts);
    auto fits = [&](int cut) { return std::max(cut, run.length - 1 - cut) <= maxRun; };
    std::stable_sort(cuts.begin(), cuts.end(), [&](int a, int b) { return fits(a) && !fits(b); });
    for (int cut : cuts)
        if (tryBlock(run.across ? run.x + cut : run.x, run.across ? run.y : run.y + cut)) return true;
    return false;
}

bool CPattern::breakLongRuns(int maxRun, CRandom& random) {
    for (int guard = 0; guard < width_ * height_; ++guard) {
        std::vector<Segment> runs = longRuns(maxRun);
        if (runs.empty()) return true;
        random.shuffle(runs);
        bool cut = false;
        for (const Segment& run : runs)
            if ((cut = cutRun(run, maxRun, random))) break;
        if (!cut) return false;
    }
    return false;
}

// Playable cells in the first inner row and column (and, by symmetry, in the last ones).
bool CPattern::reachesEdges() const {
    bool row = false, column = false;
    for (int x = 1; x < width_; ++x) row = row || playable(x, 1);
    for (int y = 1; y < height_; ++y) column = column || playable(1, y);
    return row && column;
}

bool CPattern::openSquareAt(int x, int y, int side) const {
    for (int dy = 0; dy < side; ++dy)
        for (int dx = 0; dx < side; ++dx)
            if (!playable(x + dx, y + dy)) return false;
    return true;
}

// Blocks a cell of every fully playable square larger than allowed.
bool CPattern::breakOpenSquares(int maxSquare, CRandom& random) {
    const int side = maxSquare + 1;
    for (int y = 1; y + side <= height_; ++y) {
        for (int x = 1; x + side <= width_; ++x) {
            if (!openSquareAt(x, y, side)) continue;
            std::vector<int> cells;
            for (int i = 0; i < side * side; ++i) cells.push_back(i);
            random.shuffle(cells);
            bool blocked = false;
            for (int i : cells)
                if ((blocked = tryBlock(x + i % side, y + i / side))) break;
            if (!blocked) return false;
        }
    }
    return true;
}

// Closes the cells that must stay unused and the neighbours whose run they would head, then every
// cell that leaves alone. Draws no random numbers, so a pattern that keeps them closed already
// comes out as it would without them. False when the closing splits the playable area.
bool CPattern::closeKeptUnused(const std::vector<bool>& keepUnused) {
    if (keepUnused.empty()) return true;
    if (keepUnused.size() != open_.size()) return false;
    std::vector<int> pending;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!keepUnused[y * width_ + x]) continue;
            pending.push_back(y * width_ + x);
            if (x + 1 < width_) pending.push_back(y * width_ + x + 1);
            if (y + 1 < height_) pending.push_back((y + 1) * width_ + x);
        }
    }
    while (!pending.empty()) {
        const int cell = pending.back();
        pending.pop_back();
        const int cx = cell % width_, cy = cell / width_;
        if (!playable(cx, cy)) continue;  // the clue row and column never are
        setPair(cx, cy, false);
        loneCellsAround(cx, cy, pending);
        loneCellsAround(width_ - cx, height_ - cy, pending);
    }
    return connected();
}

bool CPattern::generate(const PatternOptions& options, CRandom& random) {
    std::fill(open_.begin(), open_.end(), 0);
    if (width_ < 3 || height_ < 3) return false;
    for (int y = 1; y < height_; ++y)
        for (int x = 1; x < width_; ++x) open_[y * width_ + x] = 1;
    const int maxRun = std::clamp(options.maxRun, 2, 9);
    if (!breakLongRuns(maxRun, random)) return false;
    if (!breakOpenSquares(std::max(options.maxSquare, 2), random)) return false;
    std::vector<int> cells;
    for (int y = 1; y < height_; ++y)
        for (int x = 1; x < width_; ++x) cells.push_back(y * width_ + x);
    random.shuffle(cells);
    const int inner = (width_ - 1) * (height_ - 1);
    const int target = int(std::lround(options.blockShare * inner));
    for (int cell : cells) {
        if (inner - playableCount() >= target) break;
        tryBlock(cell % width_, cell / width_);
    }
    if (!closeKeptUnused(options.keepUnused)) return false;
    // Cascades may have blocked far more than asked: such a pattern wastes its board.
    const bool fillsBoard = playableCount() * 4 >= (inner - target) * 3 && reachesEdges();
    return fillsBoard && valid(maxRun);
}

}  // namespace levels
