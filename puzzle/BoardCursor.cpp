#include "puzzle/BoardCursor.h"

#include "puzzle/Tallix.h"

namespace {

bool playableAt(const CTallix& board, int column, int row) {
    return asActive(board.cellAt(column, row)) != nullptr;
}

// The first playable cell from (column, row) on, stepping by (dx, dy), the start excluded.
CellPlace scan(const CTallix& board, CellPlace from, int dx, int dy) {
    for (int c = from.column + dx, r = from.row + dy; c >= 0 && r >= 0 && c < board.width && r < board.height;
         c += dx, r += dy)
        if (playableAt(board, c, r)) return {c, r};
    return from;
}

}  // namespace

CellPlace firstPlayable(const CTallix& board) {
    for (int row = 0; row < board.height; ++row)
        for (int column = 0; column < board.width; ++column)
            if (playableAt(board, column, row)) return {column, row};
    return {};
}

CellPlace moveCursor(const CTallix& board, CellPlace from, CursorMove move) {
    switch (move) {
    case CursorMove::Left: return scan(board, from, -1, 0);
    case CursorMove::Right: return scan(board, from, 1, 0);
    case CursorMove::Up: return scan(board, from, 0, -1);
    case CursorMove::Down: return scan(board, from, 0, 1);
    case CursorMove::RowStart: {
        CellPlace first = scan(board, {-1, from.row}, 1, 0);
        return first.column >= 0 ? first : from;
    }
    case CursorMove::RowEnd: {
        CellPlace last = scan(board, {board.width, from.row}, -1, 0);
        return last.column < board.width ? last : from;
    }
    }
    return from;
}
