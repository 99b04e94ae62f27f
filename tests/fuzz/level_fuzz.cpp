// libFuzzer target for level files: any bytes, read from memory into a board, must neither crash
// nor leave a grid or a run that breaks the board's invariants, and play on the board must stay
// sane. Built without libFuzzer, replay_main.cpp feeds it files.
#include "FuzzCheck.h"
#include "puzzle/LevelFile.h"
#include "puzzle/Tallix.h"

namespace {

void checkGrid(const CTallix& board) {
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y) {
            const PCell* cell = board.cellAt(x, y);
            require(cell != nullptr, "missing cell");
            require(cell->kind >= kindClue && cell->kind <= kindFixed, "kind");
            const PCellLocked* fixed = cell->kind == kindFixed ? static_cast<const PCellLocked*>(cell) : nullptr;
            require(!fixed || (fixed->value >= 0 && fixed->value <= 9), "fixed digit");
        }
    for (const auto& run : board.runs) {
        require(run->targetSum > 0, "run without a sum");
        for (const PCellLocked* cell : run->cells) {
            require(cell->kind == kindPlayable || cell->kind == kindFixed, "run cell kind");
            require((run->direction == runAcross ? cell->acrossRun : cell->downRun) == run.get(), "back link");
        }
    }
}

// Fills every playable cell, checks the run sums, then clears the board again.
void play(CTallix& board) {
    int digit = 1;
    for (PCellActive* cell : board.playableCellsInRowOrder()) {
        cell->setValue(digit);
        updateRunsOf(*cell);
        digit = digit % 9 + 1;
    }
    for (const auto& run : board.runs)
        require(run->currentSum >= 0 && run->currentSum <= 9 * static_cast<int>(run->cells.size()), "run sum");
    board.isSolved();
    board.resetEntries();
    require(!board.hasEntries(), "entries after reset");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LevelImage level = parseLevelFile(data, size);
    require(level.width >= 0 && level.width <= maxBoardSide && level.height >= 0 && level.height <= maxBoardSide, "size");
    require(level.cells.size() == static_cast<size_t>(level.width) * level.height, "record count");
    require(level.headerFound || level.cells.empty(), "cells without a header");
    CTallix board;
    const bool read = board.readLevel(data, size);
    require(read == level.trailerFound, "result");
    require(board.width == level.width && board.height == level.height, "board size");
    require(read || (board.runs.empty() && !board.isSolved()), "unread level");
    checkGrid(board);
    play(board);
    return 0;
}
