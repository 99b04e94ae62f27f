#include "solver/Propagator.h"

#include <algorithm>

namespace levels {

CPropagator::CPropagator(const SolverModel& model) : model_(model), queued_(model.runs.size(), 0) {
    queue_.reserve(model.runs.size());
}

void CPropagator::enqueue(int run) {
    if (run < 0 || queued_[run]) return;
    queued_[run] = 1;
    queue_.push_back(run);
}

bool CPropagator::revise(int run, Domains& domains, Technique technique, bool& changed) {
    ++revisions_;
    changed = false;
    const ModelRun& shape = model_.runs[run];
    const int* vars = model_.varsOf(shape);
    DigitMask cells[16];
    if (shape.length > 9) return false;  // no combination is that long
    for (int i = 0; i < shape.length; ++i) cells[i] = domains[vars[i]];
    // The plainer rules can narrow further once they placed a digit; the exact one cannot. The
    // exact rule is costly on wide candidates, so the combination rule narrows them first: it
    // removes nothing the exact rule would keep, so the result is the same.
    const Technique first = technique == Technique::exact ? Technique::combos : technique;
    for (bool again = true; again;) {
        DigitMask before[16];
        std::copy(cells, cells + shape.length, before);
        if (!applyRule(first, shape.sum, shape.length, cells)) return false;
        again = !std::equal(cells, cells + shape.length, before);
    }
    if (technique == Technique::exact && !applyExact(shape.sum, shape.length, cells)) return false;
    for (int i = 0; i < shape.length; ++i) {
        if (cells[i] == domains[vars[i]]) continue;
        domains[vars[i]] = cells[i];
        changed = true;
        for (int other : model_.runsOf[vars[i]])
            if (other != run) enqueue(other);
    }
    return true;
}

bool CPropagator::drain(Domains& domains, Technique technique) {
    // The queue is a stack: depth-first order settles a neighbourhood before moving on.
    while (!queue_.empty()) {
        const int run = queue_.back();
        queue_.pop_back();
        queued_[run] = 0;
        bool changed;
        if (!revise(run, domains, technique, changed)) {
            for (int left : queue_) queued_[left] = 0;
            queue_.clear();
            return false;
        }
    }
    return true;
}

bool CPropagator::settleAll(Domains& domains, Technique technique) {
    // The cheap combination rule first: the exact rule costs far less on narrowed candidates.
    if (technique == Technique::exact && !settleAll(domains, Technique::combos)) return false;
    for (int run = int(model_.runs.size()) - 1; run >= 0; --run) enqueue(run);
    return drain(domains, technique);
}

bool CPropagator::settleAfter(Domains& domains, Technique technique, int var) {
    for (int run : model_.runsOf[var]) enqueue(run);
    return drain(domains, technique);
}

bool CPropagator::sweep(Domains& domains, Technique technique, int& changedRuns) {
    changedRuns = 0;
    for (int run = 0; run < int(model_.runs.size()); ++run) {
        bool changed;
        if (!revise(run, domains, technique, changed)) return false;
        if (changed) ++changedRuns;
    }
    for (int run : queue_) queued_[run] = 0;  // a sweep visits every run anyway
    queue_.clear();
    return true;
}

}  // namespace levels
