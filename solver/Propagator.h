// Applies one run rule to every run until no candidate changes (a fixpoint). A run is looked at
// again only when one of its cells lost a candidate through the crossing run.
#pragma once

#include <vector>

#include "solver/RunRules.h"
#include "solver/SolverModel.h"

namespace levels {

class CPropagator {
public:
    explicit CPropagator(const SolverModel& model);

    bool settleAll(Domains& domains, Technique technique);            // false: no solution left
    bool settleAfter(Domains& domains, Technique technique, int var);  // only var's runs changed
    // One pass over the runs in order, each seeing the changes of the ones before it. Counts the
    // runs whose rule removed a candidate; false on a contradiction.
    bool sweep(Domains& domains, Technique technique, int& changedRuns);

private:
    bool drain(Domains& domains, Technique technique);
    // Applies the rule to one run; marks the crossing runs of changed cells for another look.
    bool revise(int run, Domains& domains, Technique technique, bool& changed);
    void enqueue(int run);

    const SolverModel& model_;
    std::vector<int> queue_;
    std::vector<char> queued_;
};

}  // namespace levels
