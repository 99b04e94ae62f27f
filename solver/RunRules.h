// The reasoning a player applies to one run, from the plainest to the most thorough. Each rule
// narrows the candidates of the run's cells in place and answers false when the run cannot be
// satisfied any more. All three are sound: they only remove digits that no solution can use.
//
//   basic     - the digits of the combinations that contain the digits already placed; placed
//               digits leave the other cells; a run with one cell left gets its last digit.
//   combos    - keeps only combinations every cell can take part in and whose digits all fit
//               somewhere; a digit every such combination needs, with one cell left for it, goes
//               there (hidden single).
//   exact     - every candidate that belongs to some complete filling of the run, and no other:
//               the full consequence of the run's sum and distinct digits.
#pragma once

#include "solver/DigitMask.h"

namespace levels {

enum class Technique { basic = 1, combos = 2, exact = 3, lookahead = 4 };

// `cells` holds the candidates of the run's `length` cells.
bool applyBasic(int sum, int length, DigitMask* cells);
bool applyCombos(int sum, int length, DigitMask* cells);
bool applyExact(int sum, int length, DigitMask* cells);
bool applyRule(Technique technique, int sum, int length, DigitMask* cells);

}  // namespace levels
