// Where the keyboard cursor goes on a board: it stands only on playable cells.
#pragma once

class CTallix;

struct CellPlace {
    int column = -1, row = -1;  // -1, -1: nowhere
    bool valid() const { return column >= 0 && row >= 0; }
    bool operator==(const CellPlace& other) const { return column == other.column && row == other.row; }
};

enum class CursorMove { Left, Right, Up, Down, RowStart, RowEnd };

// The first playable cell in reading order (top row first, left to right); nowhere on a board
// without one.
CellPlace firstPlayable(const CTallix& board);

// Left, right, up and down go to the nearest playable cell that way along the row or column,
// passing over every other cell; RowStart and RowEnd to the first and last playable cell of the
// row. Where there is none, the cursor stays where it is.
CellPlace moveCursor(const CTallix& board, CellPlace from, CursorMove move);
