// The cells of a cross-sum board: one class per kind, told apart by the kind number they carry.
#pragma once

#include <array>
#include <cstdint>

class Run;

// Kind numbers; the same values are the kind bytes of level files.
enum CellKind : int32_t {
    kindClue = 0,      // PCellHeader
    kindPlayable = 1,  // PCellActive
    kindUnused = 2,    // PCell
    kindFixed = 3,     // PCellLocked
};

// An unused cell, and the base every cell is stored through. The destructor is virtual only so
// the grid can own cells of every kind through this type.
class PCell {
public:
    explicit PCell(int32_t cellKind = kindUnused) : kind(cellKind) {}
    virtual ~PCell() = default;

    int32_t kind;
};

// A fixed cell: a digit given by the level. Playable and clue cells build on it.
class PCellLocked : public PCell {
public:
    explicit PCellLocked(int32_t cellKind = kindFixed) : PCell(cellKind) {}
    virtual void setValue(int newValue) { value = newValue; }

    Run* acrossRun = nullptr;  // null when the cell is in no across run
    Run* downRun = nullptr;    // null when the cell is in no down run
    int32_t value = 0;         // 0 = empty, else 1 to 9
};

// A playable cell: the player's digit and nine candidate marks (mark k at index k - 1, laid out as
// a keypad: 1 2 3 on top, 7 8 9 at the bottom).
class PCellActive : public PCellLocked {
public:
    PCellActive() : PCellLocked(kindPlayable) {}

    std::array<bool, 9> marks{};
};

// A clue cell: the sums of the run to its right and of the run below it (0 = no run).
class PCellHeader : public PCellLocked {
public:
    PCellHeader(int32_t across, int32_t down) : PCellLocked(kindClue), acrossSum(across), downSum(down) {}

    int32_t acrossSum;
    int32_t downSum;
};

// Checked views of a cell as its derived class: null when the kind does not match.
inline PCellLocked* asLocked(PCell* cell) {  // playable, fixed and clue cells
    return cell && cell->kind != kindUnused ? static_cast<PCellLocked*>(cell) : nullptr;
}
inline PCellActive* asActive(PCell* cell) {
    return cell && cell->kind == kindPlayable ? static_cast<PCellActive*>(cell) : nullptr;
}
inline PCellHeader* asHeader(PCell* cell) {
    return cell && cell->kind == kindClue ? static_cast<PCellHeader*>(cell) : nullptr;
}
