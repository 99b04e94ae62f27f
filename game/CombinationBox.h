// The combination helper: for a clue's runs, every set of distinct digits with the run's sum and
// length, the sets the run's entered digits rule out dimmed and struck through. Drawn in a small
// box beside the board, never over the runs it describes.
#pragma once

#include <string>
#include <vector>

#include "solver/DigitMask.h"

class CMainFont;
class CTallix;
class PCell;
class Run;

struct RunCombinations {
    int sum = 0;
    int length = 0;
    std::vector<levels::DigitMask> sets;  // smallest digits first: "1 7 9" before "2 6 9"
    std::vector<bool> ruledOut;           // a set lacking a digit entered in the run
};

// Sets of `length` distinct digits adding up to `sum`, with those the entered digits (0: empty
// cell) rule out: a set must hold every entered digit, and a run holding a digit twice rules out
// every set.
RunCombinations combinationsFor(int sum, int length, const std::vector<int>& entered);

// The runs a cell stands for: a clue's across and down runs, or the runs through a playable cell.
std::vector<const Run*> runsOfCell(const CTallix& board, const PCell* cell);

// Draws the box for `runs` beside the board, clear of the runs' cells and clues.
void drawCombinationBox(const CMainFont& font, const CTallix& board, const std::vector<const Run*>& runs);
