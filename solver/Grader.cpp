#include "solver/Grader.h"

#include <algorithm>
#include <cstdio>

namespace levels {

namespace {

// What one step of each technique costs a player, relative to reading one run's combinations. A
// lookahead step means finding the cell worth trying and following its consequences to the end.
constexpr double stepWeight[5] = {0, 1, 2, 4, 30};

// Lookahead only tries cells with this many candidates: deeper guessing is search, not reasoning.
constexpr int lookaheadCandidates = 2;

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
    for (int var = 0; var < model_.variables(); ++var) {
        const DigitMask refuted = refutedDigits(propagator_, grade_.domains, var);
        if (refuted == 0) continue;
        grade_.domains[var] &= DigitMask(~refuted);
        return grade_.domains[var] == 0 ? -1 : digitCount(refuted);  // back to the plainer rules at once
    }
    return 0;
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

DigitMask refutedDigits(CPropagator& propagator, const Domains& domains, int var) {
    if (digitCount(domains[size_t(var)]) != lookaheadCandidates) return 0;
    DigitMask refuted = 0;
    for (unsigned rest = domains[size_t(var)]; rest; rest &= rest - 1) {
        Domains trial = domains;
        const DigitMask digit = DigitMask(rest & -rest);
        trial[size_t(var)] = digit;
        if (!propagator.settleAfter(trial, Technique::exact, var)) refuted |= digit;
    }
    return refuted;
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
            const DigitMask refuted = refutedDigits(propagator, domains, var);
            if (refuted == 0) continue;
            domains[var] &= DigitMask(~refuted);
            if (domains[var] == 0 || !propagator.settleAfter(domains, Technique::exact, var)) return false;
            changed = true;
        }
    }
    return allDecided(domains);
}

}  // namespace levels
