// The board model: building the grid and the runs, hit tests, and the entry bookkeeping.
#include "puzzle/Tallix.h"

#include <cmath>

#include "puzzle/LevelFile.h"

namespace {

// A kind byte the format does not define gives an unused cell, so every position holds a cell of
// its own. A fixed digit outside 1 to 9 cannot be shown or summed sensibly: it reads as an empty
// fixed cell, which keeps its runs incomplete rather than inventing a digit.
std::unique_ptr<PCell> makeCell(const LevelCellRecord& record) {
    switch (record.kind) {
    case kindClue:
        return std::make_unique<PCellHeader>(record.first, record.second);
    case kindPlayable:
        return std::make_unique<PCellActive>();
    case kindFixed: {
        auto cell = std::make_unique<PCellLocked>();
        cell->setValue(record.first >= 1 && record.first <= 9 ? record.first : 0);
        return cell;
    }
    default:
        return std::make_unique<PCell>(kindUnused);
    }
}

bool partOfRuns(const PCell* cell) {
    return cell && (cell->kind == kindPlayable || cell->kind == kindFixed);
}

}  // namespace

void updateRunsOf(PCellLocked& cell) {
    if (cell.acrossRun) cell.acrossRun->updateState();
    if (cell.downRun) cell.downRun->updateState();
}

void CTallix::buildGrid(const LevelImage& level) {
    hoveredCell = nullptr;
    runs.clear();
    width = level.width;
    height = level.height;
    grid.clear();
    grid.resize(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        grid[x].resize(static_cast<size_t>(height));
        for (int y = 0; y < height; ++y) grid[x][y] = makeCell(level.cells[static_cast<size_t>(x) * height + y]);
    }
}

void CTallix::buildRuns() {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            PCellHeader* clue = asHeader(cellAt(x, y));
            if (!clue) continue;
            if (clue->acrossSum > 0) buildRun(clue, clue->acrossSum, runAcross, x, y);
            if (clue->downSum > 0) buildRun(clue, clue->downSum, runDown, x, y);
        }
    }
}

// A clue with a sum but no playable or fixed neighbour still gets its run, with no cells.
void CTallix::buildRun(PCellHeader* clue, int32_t sum, int32_t direction, int x, int y) {
    auto run = std::make_unique<Run>(sum, direction, clue);
    int dx = direction == runAcross ? 1 : 0;
    int dy = 1 - dx;
    for (int cx = x + dx, cy = y + dy; partOfRuns(cellAt(cx, cy)); cx += dx, cy += dy) {
        auto* cell = static_cast<PCellLocked*>(cellAt(cx, cy));
        run->cells.push_back(cell);
        (direction == runAcross ? cell->acrossRun : cell->downRun) = run.get();
    }
    runs.push_back(std::move(run));
}

int CTallix::countPlayable() const {
    int count = 0;
    for (const auto& column : grid) {
        for (const auto& cell : column) count += cell->kind == kindPlayable ? 1 : 0;
    }
    return count;
}

PCell* CTallix::cellAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= static_cast<int>(grid.size())) return nullptr;
    const auto& column = grid[x];
    return y < static_cast<int>(column.size()) ? column[y].get() : nullptr;
}

std::vector<PCellActive*> CTallix::playableCellsInRowOrder() const {
    std::vector<PCellActive*> cells;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (PCellActive* cell = asActive(cellAt(x, y))) cells.push_back(cell);
        }
    }
    return cells;
}

bool CTallix::hitTest(float x, float y) {
    return left() < x && x < right() && bottom() < y && y < top();
}

PCell* CTallix::hitCell(float x, float y, int* column, int* row) const {
    float s = cellEdge();
    if (!(s > 0.0f)) return nullptr;  // a board drawn at zoom 0 has no cells to hit
    float fx = (x - left()) / s;
    float fy = (top() - y) / s;
    if (!(fx >= 0.0f && fx < width && fy >= 0.0f && fy < height)) return nullptr;
    int cx = static_cast<int>(std::floor(fx));
    int cy = static_cast<int>(std::floor(fy));
    if (column) *column = cx;
    if (row) *row = cy;
    return cellAt(cx, cy);
}

bool CTallix::hasEntries() {
    for (PCellActive* cell : playableCellsInRowOrder()) {
        if (cell->value > 0) return true;
    }
    return false;
}

void CTallix::resetEntries() {
    clearEntries();
    history.clear();
    hint = {};
    cursorShown = false;
}

void CTallix::clearEntries() {
    for (const auto& column : grid) {
        for (const auto& cell : column) {
            if (PCellActive* active = asActive(cell.get())) {
                active->value = 0;
                active->marks.fill(false);
            }
        }
    }
    for (const auto& run : runs) run->reset();
}

// A board whose level file was not read to its end has no trustworthy runs: never solved.
bool CTallix::isSolved() {
    if (!loaded) return false;
    for (const auto& run : runs) {
        if (!run->satisfied()) return false;
    }
    return true;
}
