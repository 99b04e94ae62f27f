// Changes the digits of a filled pattern until reasoning decides every cell.
//
// A local search. The measure is how many candidates the wanted technique leaves open (lookahead
// is too costly to measure with everywhere: the exact rule stands in until few candidates are
// left). Each round looks at a few digit changes in the runs of a still
// undecided cell and takes the best, also when it is only as good as before, so the search can
// drift across plateaus. In strict mode a level the next plainer technique decides counts as the
// worst of all, so the level found needs exactly the wanted technique; otherwise any level the
// wanted technique decides will do.
//
// Only the sums of the two runs through a changed cell move, so the compiled level is kept and
// patched rather than rebuilt.
#pragma once

#include <atomic>

#include <vector>

#include "solver/Grader.h"
#include "solver/Pattern.h"
#include "solver/Propagator.h"
#include "solver/Random.h"
#include "solver/SolverModel.h"

namespace levels {

class CRepairer {
public:
    CRepairer(const CPattern& pattern, const std::vector<int>& digits, Technique wanted, bool strict,
              CRandom& random);

    // True when the wanted technique decides every cell; `rounds` counts the rounds taken.
    // `stop`, when given, is read before every round: once set, the repair gives up.
    bool repair(int maxRounds, int& rounds, const std::atomic<bool>* stop = nullptr);
    const std::vector<int>& digits() const { return digits_; }  // per grid cell
    const Grade& grade() const { return grade_; }               // of the repaired level

private:
    struct Move {
        int var;
        int digit;
    };

    int measure();                     // open candidates after the wanted technique
    bool weakerDecides();              // the next plainer technique decides every cell
    bool wantedDecides(int current);   // confirms a measure of 0 with the grader
    void setDigit(int var, int digit); // patches the sums of the cell's runs
    DigitMask takenAround(int var) const;
    std::vector<Move> candidateMoves();
    int tryMove(const Move& move);     // the measure after the move; the move is undone

    SolverModel model_;
    CPropagator propagator_;
    Technique wanted_;
    Technique measureWith_;
    bool strict_;
    CRandom& random_;
    std::vector<int> digits_;  // per grid cell
    std::vector<int> value_;   // per variable
    Domains domains_;          // after the last measure
    Grade grade_;
};

}  // namespace levels
