#include "solver/Grader.h"

#include <algorithm>
#include <cstdio>

namespace levels {

namespace {

// What one step of each technique costs a player, relative to reading one run's combinations. A
// lookahead step means finding the cell worth trying and following its consequences to the end.
constexpr double stepWeight[5] = {0, 1, 2, 4, 30};

bool allDecided(const Domains& domains) {
    return std::all_of(domains.begin(), domains.end(), [](DigitMask d) { return isSingle(d); });
}

class CGrading {
public:
    CGrading(const SolverModel& model, Technique hardestAllowed)
        : model_(model), propagator_(model), allowed_(int(hardestAllowed)) {}

    Grade run();

private:
    bool stepOnce(bool& progressed);  // false on a contradiction
    int lookahead();                  // candidates eliminated, -1 on a contradiction
    void record(int technique, int steps);

    const SolverModel& model_;
    CPropagator propagator_;
    int allowed_;
    Grade grade_;
};

void CGrading::record(int technique, int steps) {
    grade_.steps[technique] += steps;
    grade_.hardest = std::max(grade_.hardest, technique);
}

int CGrading::lookahead() {
    int eliminated = 0;
    for (int var = 0; var < model_.variables(); ++var) {
        DigitMask& candidates = grade_.domains[var];
        if (digitCount(candidates) != lookaheadCandidates) continue;
        for (unsigned rest = candidates; rest; rest &= rest - 1) {
            const DigitMask digit = DigitMask(rest & -rest);
            if (!refutes(propagator_, grade_.domains, var, digit)) continue;
            candidates &= ~digit;
            ++eliminated;
        }
        if (candidates == 0) return -1;
        if (eliminated > 0) return eliminated;  // back to the plainer rules at once
    }
    return eliminated;
}

bool CGrading::stepOnce(bool& progressed) {
    progressed = false;
    for (int technique = 1; technique <= std::min(allowed_, 3); ++technique) {
        int changed = 0;
        if (!propagator_.sweep(grade_.domains, Technique(technique), changed)) return false;
        if (changed > 0) {
            record(technique, changed);
            progressed = true;
            return true;
        }
    }
    if (allowed_ < 4) return true;
    const int eliminated = lookahead();
    if (eliminated < 0) return false;
    if (eliminated > 0) {
        record(4, eliminated);
        progressed = true;
    }
    return true;
}

Grade CGrading::run() {
    grade_.domains = model_.start;
    bool progressed = true;
    while (progressed) {
        if (!stepOnce(progressed)) {
            grade_.contradiction = true;
            return grade_;
        }
    }
    // A fixpoint of the basic rule with every cell decided is a complete, valid filling.
    grade_.solved = allDecided(grade_.domains);
    for (int technique = 1; technique <= 4; ++technique)
        grade_.score += stepWeight[technique] * grade_.steps[technique];
    return grade_;
}

}  // namespace

bool refutes(CPropagator& propagator, const Domains& domains, int var, DigitMask digit) {
    Domains trial = domains;
    trial[size_t(var)] = digit;
    return !propagator.settleAfter(trial, Technique::exact, var);
}

int Grade::openCells() const {
    return int(std::count_if(domains.begin(), domains.end(), [](DigitMask d) { return digitCount(d) > 1; }));
}

std::string Grade::describe() const {
    char text[160];
    std::snprintf(text, sizeof text, "%d (score %.0f: basic %d, combos %d, exact %d, lookahead %d)",
                  hardest, score, steps[1], steps[2], steps[3], steps[4]);
    return text;
}

Grade gradeLevel(const SolverModel& model, Technique hardestAllowed) {
    for (DigitMask candidates : model.start) {
        if (candidates == 0) {
            Grade grade;
            grade.contradiction = true;
            grade.domains = model.start;
            return grade;
        }
    }
    return CGrading(model, hardestAllowed).run();
}

bool settleWithLookahead(const SolverModel& model, Domains& domains) {
    CPropagator propagator(model);
    if (!propagator.settleAll(domains, Technique::exact)) return false;
    for (bool changed = true; changed;) {
        changed = false;
        for (int var = 0; var < model.variables(); ++var) {
            if (digitCount(domains[var]) != lookaheadCandidates) continue;
            for (unsigned rest = domains[var]; rest; rest &= rest - 1) {
                if (!refutes(propagator, domains, var, DigitMask(rest & -rest))) continue;
                domains[var] &= DigitMask(~(rest & -rest));
                if (!propagator.settleAfter(domains, Technique::exact, var)) return false;
                changed = true;
                break;
            }
        }
    }
    return allDecided(domains);
}

}  // namespace levels
