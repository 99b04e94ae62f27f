#include "game/BoardGrid.h"

#include "puzzle/Tallix.h"

namespace {

levels::GridCell cellFrom(PCell* cell) {
    levels::GridCell result;
    if (!cell) return result;
    result.kind = cell->kind;
    if (const PCellHeader* clue = asHeader(cell)) {
        result.across = clue->acrossSum;
        result.down = clue->downSum;
    } else if (cell->kind == kindFixed) {
        result.digit = static_cast<const PCellLocked*>(cell)->value;
    }
    return result;
}

}  // namespace

levels::CLevelGrid gridOf(const CTallix& board) {
    levels::CLevelGrid grid(board.width, board.height);
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y) grid.at(x, y) = cellFrom(board.cellAt(x, y));
    return grid;
}
