// Rates how hard a level is to solve by reasoning, the way a player works: the plainest rule that
// still makes progress anywhere on the board is used, and a harder one only when every plainer
// one is stuck. Lookahead is the last resort: try each candidate of a two-candidate cell and drop
// the one whose consequences (by full run reasoning) contradict themselves.
//
// The grade is the hardest technique needed and a score: the work done, each step weighted by how
// hard its technique is. Larger boards score more, so the score orders a whole set of levels.
#pragma once

#include <array>
#include <string>

#include "solver/Propagator.h"
#include "solver/SolverModel.h"

namespace levels {

struct Grade {
    bool solved = false;      // reasoning up to the allowed technique decided every cell
    bool contradiction = false;  // the level has no solution
    int hardest = 0;          // 1 basic .. 4 lookahead; 0 when nothing was needed
    std::array<int, 5> steps{};  // per technique: runs (or lookahead eliminations) that progressed
    double score = 0;
    Domains domains;          // the candidates where reasoning stopped

    int openCells() const;    // cells with more than one candidate left
    std::string describe() const;  // e.g. "3 (score 142: basic 90, combos 12, exact 4, lookahead 0)"
};

Grade gradeLevel(const SolverModel& model, Technique hardestAllowed = Technique::lookahead);

// The lookahead step, shared by grades and hints so a hint never needs more than the grade: the
// digits of two-candidate cell `var` of `domains` that, alone in the cell, contradict themselves
// under full run reasoning; 0 for a cell with any other number of candidates.
DigitMask refutedDigits(CPropagator& propagator, const Domains& domains, int var);

// Full run reasoning plus lookahead on two-candidate cells, to a fixpoint; true when that
// decides every cell. `domains` holds the candidates to start from and receives the result.
bool settleWithLookahead(const SolverModel& model, Domains& domains);

}  // namespace levels
