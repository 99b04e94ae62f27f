// Run bookkeeping: what decides whether digits are shown as wrong and whether a board is solved.
#include "puzzle/Run.h"

#include <algorithm>

#include "puzzle/Cells.h"

void Run::updateState() {
    std::sort(cells.begin(), cells.end(),
              [](const PCellLocked* a, const PCellLocked* b) { return a->value < b->value; });
    duplicate = false;
    for (size_t i = 1; i < cells.size(); ++i) {
        if (cells[i]->value != 0 && cells[i]->value == cells[i - 1]->value) duplicate = true;
    }
    currentSum = 0;
    complete = true;
    for (const PCellLocked* cell : cells) {
        currentSum += cell->value;
        if (cell->value == 0) complete = false;
    }
    over = targetSum < currentSum;
}

void Run::reset() {
    currentSum = 0;
    over = false;
    complete = false;
    duplicate = false;
}

bool Run::inError() const {
    return over || duplicate || (complete && currentSum != targetSum);
}

bool Run::satisfied() const {
    return complete && !over && !duplicate && currentSum == targetSum;
}

bool showsWrong(const PCellLocked& cell) {
    return (cell.acrossRun && cell.acrossRun->inError()) || (cell.downRun && cell.downRun->inError());
}
