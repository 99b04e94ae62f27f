#include "puzzle/BoardHistory.h"

#include "puzzle/Tallix.h"

CellContents contentsOf(const PCellActive& cell) {
    CellContents contents;
    contents.value = cell.value;
    for (int k = 0; k < 9; ++k)
        if (cell.marks[k]) contents.marks |= uint16_t(1u << k);
    return contents;
}

void restoreContents(PCellActive& cell, const CellContents& contents) {
    for (int k = 0; k < 9; ++k) cell.marks[k] = (contents.marks >> k) & 1u;
    if (cell.value == contents.value) return;
    cell.setValue(contents.value);
    updateRunsOf(cell);
}

std::vector<CellContents> snapshot(const std::vector<PCellActive*>& cells) {
    std::vector<CellContents> contents;
    contents.reserve(cells.size());
    for (const PCellActive* cell : cells) contents.push_back(contentsOf(*cell));
    return contents;
}

std::vector<CellChange> changesSince(const std::vector<PCellActive*>& cells, const std::vector<CellContents>& before) {
    std::vector<CellChange> changes;
    for (size_t i = 0; i < cells.size() && i < before.size(); ++i) {
        CellContents now = contentsOf(*cells[i]);
        if (now != before[i]) changes.push_back({cells[i], before[i], now});
    }
    return changes;
}

void BoardHistory::record(HistoryStep step) {
    if (step.changes.empty() && step.clearedTime.value_or(0) == 0) return;
    steps_.resize(done_);
    bool spin = step.wheelCell && !steps_.empty() && steps_.back().wheelCell == step.wheelCell;
    if (spin) {
        CellChange& change = steps_.back().changes.front();
        change.after = step.changes.front().after;
        if (change.after == change.before) steps_.pop_back();  // spun back to where it started
    } else {
        steps_.push_back(std::move(step));
    }
    done_ = steps_.size();
}

HistoryStep* BoardHistory::undo() {
    if (done_ == 0) return nullptr;
    apply(steps_[--done_], false);
    return &steps_[done_];
}

HistoryStep* BoardHistory::redo() {
    if (done_ == steps_.size()) return nullptr;
    apply(steps_[done_], true);
    return &steps_[done_++];
}

void BoardHistory::clear() {
    steps_.clear();
    done_ = 0;
}

void BoardHistory::apply(const HistoryStep& step, bool forwards) {
    for (const CellChange& change : step.changes) restoreContents(*change.cell, forwards ? change.after : change.before);
}
