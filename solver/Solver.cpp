#include "solver/Solver.h"

namespace levels {

CSolver::CSolver(const SolverModel& model) : model_(model), propagator_(model) {}

SolveResult CSolver::solve(int limit, uint64_t nodeBudget) {
    result_ = SolveResult();
    limit_ = limit < 1 ? 1 : limit;
    budget_ = nodeBudget;
    stack_.assign(1, model_.start);
    ++result_.nodes;
    for (DigitMask candidates : stack_[0])
        if (candidates == 0) return result_;
    if (propagator_.settleAll(stack_[0], Technique::exact)) search(0);
    return result_;
}

int CSolver::branchVariable(const Domains& domains) const {
    int best = -1;
    int bestCount = 10;
    for (int var = 0; var < int(domains.size()); ++var) {
        const int count = digitCount(domains[var]);
        if (count > 1 && count < bestCount) {
            best = var;
            bestCount = count;
            if (count == 2) break;
        }
    }
    return best;
}

void CSolver::search(size_t depth) {
    const int var = branchVariable(stack_[depth]);
    if (var < 0) {
        // Every run rule held at the fixpoint, so the decided cells form a solution.
        (++result_.solutions == 1 ? result_.first : result_.second) = stack_[depth];
        return;
    }
    if (stack_.size() <= depth + 1) stack_.emplace_back();
    for (unsigned rest = stack_[depth][var]; rest; rest &= rest - 1) {
        if (result_.nodes >= budget_) {
            result_.complete = false;
            return;
        }
        Domains& child = stack_[depth + 1];
        child = stack_[depth];
        child[var] = DigitMask(rest & -rest);
        ++result_.nodes;
        if (propagator_.settleAfter(child, Technique::exact, var)) search(depth + 1);
        if (result_.solutions >= limit_) return;
    }
}

std::vector<int> digitsOf(const SolverModel& model, const Domains& domains) {
    std::vector<int> digits(model.varOf.size(), 0);
    for (int var = 0; var < int(domains.size()); ++var)
        if (isSingle(domains[size_t(var)])) digits[size_t(model.cellOf[size_t(var)])] = lowestDigit(domains[size_t(var)]);
    return digits;
}

std::vector<int> uniqueSolution(const CLevelGrid& grid, uint64_t nodeBudget) {
    const SolverModel model = buildModel(grid);
    const SolveResult result = CSolver(model).solve(2, nodeBudget);
    if (!result.complete || result.solutions != 1) return {};
    return digitsOf(model, result.first);
}

}  // namespace levels
