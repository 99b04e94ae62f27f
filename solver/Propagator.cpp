#include "solver/Propagator.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace levels {

namespace {

// What the rules make of one run: a pure function of the technique, the sum and the cells'
// candidates, asked again and again while a level is repaired (every trial move settles the whole
// board anew). A direct-mapped table per thread remembers the latest answers; a slot holds its
// whole question, so a hit is always the right answer.
class RunMemo {
public:
    struct Slot {
        uint64_t question[2] = {~uint64_t(0), ~uint64_t(0)};
        DigitMask answer[9] = {};
        bool solvable = false;
    };

    static RunMemo& forThisThread() {
        thread_local RunMemo memo;
        return memo;
    }

    // The question of a run of at most nine cells; its slot, holding the answer when it matches.
    Slot& find(Technique technique, int sum, int length, const DigitMask* cells, uint64_t (&question)[2]) {
        question[0] = uint64_t(technique) | uint64_t(sum) << 3 | uint64_t(length) << 9;
        question[1] = 0;
        for (int i = 0; i < length; ++i) {
            if (i < 5) question[0] |= uint64_t(cells[i]) << (13 + 9 * i);
            else question[1] |= uint64_t(cells[i]) << (9 * (i - 5));
        }
        uint64_t hash = (question[0] ^ (question[1] * 0x9E3779B97F4A7C15ull)) * 0xC2B2AE3D27D4EB4Full;
        return slots_[hash >> (64 - bits)];
    }

private:
    static constexpr int bits = 15;
    std::unique_ptr<Slot[]> slots_ = std::make_unique<Slot[]>(size_t(1) << bits);
};

// The combination rule until it settles, then, for the exact technique, the exact rule. The
// plainer rules can narrow further once they placed a digit; the exact one cannot. The exact rule
// is costly on wide candidates, so the combination rule narrows them first: it removes nothing the
// exact rule would keep, so the result is the same.
bool applyRules(Technique technique, int sum, int length, DigitMask* cells) {
    const Technique first = technique == Technique::exact ? Technique::combos : technique;
    for (bool again = true; again;) {
        DigitMask before[16];
        std::copy(cells, cells + length, before);
        if (!applyRule(first, sum, length, cells)) return false;
        again = !std::equal(cells, cells + length, before);
    }
    return technique != Technique::exact || applyExact(sum, length, cells);
}

bool applyRulesRemembered(Technique technique, int sum, int length, DigitMask* cells) {
    uint64_t question[2];
    RunMemo::Slot& slot = RunMemo::forThisThread().find(technique, sum, length, cells, question);
    if (slot.question[0] != question[0] || slot.question[1] != question[1]) {
        slot.question[0] = question[0];
        slot.question[1] = question[1];
        slot.solvable = applyRules(technique, sum, length, cells);
        std::copy(cells, cells + length, slot.answer);
        return slot.solvable;
    }
    std::copy(slot.answer, slot.answer + length, cells);
    return slot.solvable;
}

}  // namespace

CPropagator::CPropagator(const SolverModel& model) : model_(model), queued_(model.runs.size(), 0) {
    queue_.reserve(model.runs.size());
}

void CPropagator::enqueue(int run) {
    if (run < 0 || queued_[run]) return;
    queued_[run] = 1;
    queue_.push_back(run);
}

bool CPropagator::revise(int run, Domains& domains, Technique technique, bool& changed) {
    changed = false;
    const ModelRun& shape = model_.runs[run];
    const int* vars = model_.varsOf(shape);
    DigitMask cells[16];
    if (shape.length > 9 || shape.length < 1 || shape.sum < 0 || shape.sum > 63) return false;
    for (int i = 0; i < shape.length; ++i) cells[i] = domains[vars[i]];
    if (!applyRulesRemembered(technique, shape.sum, shape.length, cells)) return false;
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
