// Solves a level and proves its solution unique: full run reasoning to a fixpoint at every node,
// then a branch on the cell with the fewest candidates, stopping as soon as the second solution
// turns up.
#pragma once

#include <cstdint>

#include "solver/Propagator.h"
#include "solver/SolverModel.h"

namespace levels {

struct SolveResult {
    bool complete = true;  // false: the node budget ran out first, the count is a lower bound
    int solutions = 0;   // 0, 1, or the limit (2: "two or more")
    Domains first;       // one digit per variable when solutions >= 1
    Domains second;      // a different solution when solutions >= 2
    uint64_t nodes = 0;  // search nodes, the root included
};

class CSolver {
public:
    explicit CSolver(const SolverModel& model);
    // A budget keeps a hostile level from holding the checker for hours; the levels we make need
    // a handful of nodes.
    static constexpr uint64_t defaultNodeBudget = 5000000;
    SolveResult solve(int limit = 2, uint64_t nodeBudget = defaultNodeBudget);

private:
    void search(size_t depth);
    int branchVariable(const Domains& domains) const;  // -1 when every cell is decided

    const SolverModel& model_;
    CPropagator propagator_;
    std::vector<Domains> stack_;  // the candidates at each depth, reused between branches
    SolveResult result_;
    int limit_ = 2;
    uint64_t budget_ = defaultNodeBudget;
};

// One digit per grid cell from a solver's decided candidates (0 where undecided or outside).
std::vector<int> digitsOf(const SolverModel& model, const Domains& domains);

// The level's one solution as a digit per grid cell (0 outside playable and fixed cells); empty
// when it has none or several, or the search ran out of its budget.
std::vector<int> uniqueSolution(const CLevelGrid& grid, uint64_t nodeBudget = CSolver::defaultNodeBudget);

}  // namespace levels
