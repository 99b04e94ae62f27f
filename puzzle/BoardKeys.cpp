// The board's answer to the keyboard, and the history of its changes. The cursor keys move the
// keyboard cursor over playable cells; 1 to 9 enter a digit, 0, Delete and Backspace clear it, and
// Shift with a digit toggles that candidate mark of an empty cell. Every input that changes cells
// (pop-up, middle click, wheel, keys, Reset) is recorded as one step, so undo takes it back whole,
// a Reset with the play time it cleared.
#include "puzzle/Tallix.h"

#include <utility>

#include "platform/Platform.h"
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
    if (currentPopUp) currentPopUp->close();
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

void CTallix::recordStep(const std::vector<CellContents>& before, const PCellActive* wheelCell,
                         std::optional<uint32_t> clearedTime) {
    HistoryStep step;
    step.changes = changesSince(playableCellsInRowOrder(), before);
    step.wheelCell = wheelCell;
    step.clearedTime = clearedTime;
    if (!step.changes.empty()) hint = {};  // the board moved on: the hint is spent
    history.record(std::move(step));
}

// The time played since a Reset counts on top of the time it cleared, once undone, so undoing it
// never takes time off; made again, it clears the time it finds.
bool CTallix::undo() {
    HistoryStep* step = isSolved() ? nullptr : history.undo();
    if (!step) return false;
    if (step->clearedTime) elapsed += *step->clearedTime;
    dropStaleViews();
    return true;
}

bool CTallix::redo() {
    HistoryStep* step = isSolved() ? nullptr : history.redo();
    if (!step) return false;
    if (step->clearedTime) step->clearedTime = std::exchange(elapsed, 0);
    dropStaleViews();
    return true;
}

// A hint and a pop-up describe the cells as they were: the hint's reason and the keypad's marks.
void CTallix::dropStaleViews() {
    hint = {};
    if (currentPopUp) currentPopUp->close();
}

void CTallix::playerReset() {
    std::vector<CellContents> before = snapshot(playableCellsInRowOrder());
    clearEntries();
    recordStep(before, nullptr, std::exchange(elapsed, 0));
}
