// The moves made on a board, kept as a list of small changes so they can be taken back and made
// again: each step holds the playable cells it changed with their contents before and after.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class PCellActive;

// What a playable cell holds: its digit (0 empty) and its candidate marks (bit k - 1 for mark k).
struct CellContents {
    int32_t value = 0;
    uint16_t marks = 0;
    bool operator==(const CellContents& other) const { return value == other.value && marks == other.marks; }
    bool operator!=(const CellContents& other) const { return !(*this == other); }
};

CellContents contentsOf(const PCellActive& cell);
// Sets the cell to `contents` and brings its across and down runs up to date.
void restoreContents(PCellActive& cell, const CellContents& contents);

struct CellChange {
    PCellActive* cell;
    CellContents before, after;
};

struct HistoryStep {
    std::vector<CellChange> changes;
    const PCellActive* wheelCell = nullptr;  // a wheel step on this cell; later ones on it merge in
    std::optional<uint32_t> clearedTime;     // a Reset: the play time it cleared, in milliseconds
};

// The contents of the given cells, in their order, and the cells whose contents differ from such
// an earlier snapshot.
std::vector<CellContents> snapshot(const std::vector<PCellActive*>& cells);
std::vector<CellChange> changesSince(const std::vector<PCellActive*>& cells, const std::vector<CellContents>& before);

class BoardHistory {
public:
    // Adds a step that changed something (cells, or the play time of a Reset); the steps undone so
    // far are dropped. A wheel step on the cell of the step just before (a spin of the wheel)
    // becomes part of that step.
    void record(HistoryStep step);
    // Restore the cells of the last step, or make the last undone step again; the step, for the
    // caller to do the same with the play time, or null when there is none.
    HistoryStep* undo();
    HistoryStep* redo();
    void clear();
    size_t size() const { return steps_.size(); }

private:
    static void apply(const HistoryStep& step, bool forwards);

    std::vector<HistoryStep> steps_;
    size_t done_ = 0;  // steps_[0 .. done_) are in effect
};
