// The board's answer to the keyboard, and the history of its changes. The cursor keys move the
// keyboard cursor over playable cells; 1 to 9 enter a digit, 0, Delete and Backspace clear it, and
// Shift with a digit toggles that candidate mark of an empty cell. Every input that changes cells
// (pop-up, middle click, wheel, keys, Reset) is recorded as one step, so undo takes it back whole.
#include "puzzle/Tallix.h"

#include "puzzle/PopUp.h"

namespace {

bool cursorMove(platform::Key key, CursorMove& move) {
    switch (key) {
    case platform::Key::Left: move = CursorMove::Left; return true;
    case platform::Key::Right: move = CursorMove::Right; return true;
    case platform::Key::Up: move = CursorMove::Up; return true;
    case platform::Key::Down: move = CursorMove::Down; return true;
    case platform::Key::Home: move = CursorMove::RowStart; return true;
    case platform::Key::End: move = CursorMove::RowEnd; return true;
    default: return false;
    }
}

bool clearsDigit(const platform::Event& press) {
    return press.key == platform::Key::Delete || press.key == platform::Key::Backspace ||
           (press.key == platform::Key::Character && press.character == '0' && !press.shift);
}

}  // namespace

// A key first places the cursor: on the hovered playable cell, where it acts at once, or else on
// the first playable cell, where this key only shows it.
void CTallix::keyDown(const platform::Event& press) {
    if (press.ctrl || press.key == platform::Key::Other) return;  // shortcuts, lone modifiers
    if (currentPopUp && currentPopUp->isOpen()) currentPopUp->close();
    if (!placeCursor()) return;
    CursorMove move;
    if (cursorMove(press.key, move)) {
        moveCursorTo(moveCursor(*this, cursor, move));
        return;
    }
    PCellActive* cell = asActive(cellAt(cursor.column, cursor.row));
    if (!cell) return;
    std::vector<CellContents> before = snapshot(playableCellsInRowOrder());
    if (clearsDigit(press)) {
        restoreContents(*cell, {0, contentsOf(*cell).marks});
    } else if (press.key == platform::Key::Character && press.character >= '1' && press.character <= '9') {
        typeDigit(*cell, press);
    }
    recordStep(before);
}

void CTallix::typeDigit(PCellActive& cell, const platform::Event& press) {
    int digit = press.character - '0';
    if (!press.shift) {
        CellContents contents = contentsOf(cell);
        contents.value = digit;
        restoreContents(cell, contents);
    } else if (cell.value == 0) {
        cell.marks[digit - 1] = !cell.marks[digit - 1];
    }
}

bool CTallix::placeCursor() {
    if (cursorShown && asActive(cellAt(cursor.column, cursor.row))) return true;
    if (asActive(hoveredCell) && cellAt(cursor.column, cursor.row) == hoveredCell) {  // the pointer put it there
        cursorShown = true;
        return true;
    }
    moveCursorTo(firstPlayable(*this));
    return false;
}

// The hovered cell follows the cursor, so the wheel and the keys act on the same cell.
void CTallix::moveCursorTo(CellPlace place) {
    cursor = place;
    cursorShown = place.valid();
    hoveredCell = cursorShown ? cellAt(place.column, place.row) : nullptr;
    hoveredMark = 0;
}

// ---- history ------------------------------------------------------------------------------------

void CTallix::recordStep(const std::vector<CellContents>& before, const PCellActive* wheelCell) {
    HistoryStep step;
    step.changes = changesSince(playableCellsInRowOrder(), before);
    step.wheelCell = wheelCell;
    if (!step.changes.empty()) hint = {};  // the board moved on: the hint is spent
    history.record(std::move(step));
}

bool CTallix::undo() { return !isSolved() && history.undo(); }
bool CTallix::redo() { return !isSolved() && history.redo(); }

void CTallix::playerReset() {
    std::vector<CellContents> before = snapshot(playableCellsInRowOrder());
    clearEntries();
    recordStep(before);
}
