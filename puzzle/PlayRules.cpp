// The board's answer to the pointer: hover, pop-ups, the middle click, the wheel and dragging.
// While a pop-up is open it takes the pointer and the hovered cell stays the one it edits.
#include "puzzle/Tallix.h"

#include <cmath>

#include "puzzle/PopUp.h"

namespace {

bool popUpOpen(const PPopUp* popUp) { return popUp && popUp->isOpen(); }

bool validButton(int button) { return button >= 0 && button <= 2; }

// Which third of the cell an offset falls in; rounding at the cell's far edge stays in the cell.
int third(float offset, float cellEdge) {
    int index = static_cast<int>(std::floor(offset / (cellEdge / 3)));
    return index < 0 ? 0 : (index > 2 ? 2 : index);
}

}  // namespace

void CTallix::mouseMove(float x, float y) {
    if (popUpOpen(currentPopUp)) {
        currentPopUp->mouseMove(x, y);
        return;
    }
    if (drag.held[0]) {
        centreX += x - drag.lastX;
        centreY += y - drag.lastY;
        drag.lastX = x;
        drag.lastY = y;
        return;
    }
    updateHover(x, y);
}

// Over a playable cell the hovered mark is the keypad index of the third under the pointer; over
// other cells it keeps its value.
void CTallix::updateHover(float x, float y) {
    int column = 0;
    int row = 0;
    hoveredCell = hitCell(x, y, &column, &row);
    if (!asActive(hoveredCell)) return;
    cursor = {column, row};  // the keyboard cursor follows the pointer over playable cells
    float s = cellEdge();
    float fx = x - (left() + column * s);
    float fy = (top() - row * s) - y;
    hoveredMark = third(fy, s) * 3 + third(fx, s) + 1;
}

// A press outside an open pop-up closes it and then acts on the board in the same press. What the
// press changes (a pop-up's choice, a middle click) is one step of the history.
bool CTallix::buttonDown(float x, float y, int button) {
    std::vector<CellContents> before = snapshot(playableCellsInRowOrder());
    pressBoard(x, y, button);
    recordStep(before);
    return false;
}

void CTallix::pressBoard(float x, float y, int button) {
    if (popUpOpen(currentPopUp)) {
        if (currentPopUp->isInside(x, y)) {
            currentPopUp->buttonDown(x, y, button);
            return;
        }
        currentPopUp->close();
        mouseMove(x, y);
    }
    if (!hitTest(x, y)) return;
    if (PCellActive* cell = asActive(hoveredCell)) {
        if (button == 0) openPopUp(digitPopUp, *cell, x, y, false);
        if (button == 1) middleClick(*cell);
        if (button == 2) openPopUp(markPopUp, *cell, x, y, true);
        return;
    }
    if (asHeader(hitCell(x, y)) && validButton(button)) {
        drag.lastX = x;
        drag.lastY = y;
        drag.held[button] = true;
    }
}

void CTallix::openPopUp(PPopUp* popUp, PCellActive& cell, float x, float y, bool markMode) {
    if (!popUp) return;
    currentPopUp = popUp;
    popUp->openAt(&cell, x, y, markMode);
}

// Clears a digit, or takes the candidate mark under the pointer when it is set.
void CTallix::middleClick(PCellActive& cell) {
    if (cell.value > 0) {
        cell.setValue(0);
    } else if (hoveredMark >= 1 && hoveredMark <= 9 && cell.marks[hoveredMark - 1]) {
        cell.setValue(hoveredMark);
    } else {
        return;
    }
    updateRunsOf(cell);
}

bool CTallix::buttonUp(float x, float y, int button) {
    (void)x;
    (void)y;
    if (validButton(button)) drag.held[button] = false;
    return false;
}

// One step per call whatever the size of the delta, never below 0 or above 9. The steps of one
// spin over a cell are one step of the history.
void CTallix::wheel(int delta) {
    if (popUpOpen(currentPopUp)) {
        currentPopUp->wheel(delta);
        return;
    }
    PCellActive* cell = asActive(hoveredCell);
    if (!cell) return;
    std::vector<CellContents> before = snapshot(playableCellsInRowOrder());
    stepDigit(*cell, delta);
    recordStep(before, cell);
}

void CTallix::stepDigit(PCellActive& cell, int delta) {
    if (delta > 0 && cell.value < 9) {
        cell.setValue(cell.value + 1);
    } else if (delta < 0 && cell.value > 0) {
        cell.setValue(cell.value - 1);
    } else {
        return;
    }
    updateRunsOf(cell);
}
