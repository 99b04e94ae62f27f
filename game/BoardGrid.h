// The board as the solver layer sees it: its cells' kinds, clue sums and given digits, as the
// game's reader built them. The game's hints and the level tool both start from here.
#pragma once

#include "solver/LevelGrid.h"

class CTallix;

levels::CLevelGrid gridOf(const CTallix& board);
