#include "solver/Hint.h"

#include <algorithm>

#include "solver/Grader.h"
#include "solver/Propagator.h"
#include "solver/SolverModel.h"
#include "solver/SumTable.h"

namespace levels {

namespace {

const char* const numberWords[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};

// The search for a step: candidates per variable, starting from the entered digits.
class CHintSearch {
public:
    CHintSearch(const CLevelGrid& grid, const std::vector<int>& entered)
        : grid_(grid), model_(buildModel(grid)), entered_(entered), domains_(model_.start) {
        for (int var = 0; var < model_.variables(); ++var) {
            int digit = entered_[size_t(model_.cellOf[var])];
            if (digit >= 1 && digit <= 9 && grid.cell(model_.cellOf[var]).kind == gridPlayable) domains_[var] = digitBit(digit);
        }
    }

    Hint find(bool digitsChecked);  // digitsChecked: the entered digits match the solution

private:
    bool open(int var) const { return entered_[size_t(model_.cellOf[var])] == 0 && grid_.cell(model_.cellOf[var]).kind == gridPlayable; }
    bool sweep(Technique technique, Hint& hint, bool& changed);
    bool lookahead(Hint& hint);
    Hint stepAt(int run, int var, Technique technique, const DigitMask* before);
    Hint blockedAt(int run);
    void highlightRun(Hint& hint, int run) const;

    const CLevelGrid& grid_;
    SolverModel model_;
    const std::vector<int>& entered_;
    Domains domains_;
};

void CHintSearch::highlightRun(Hint& hint, int run) const {
    const ModelRun& shape = model_.runs[size_t(run)];
    hint.cells.push_back(shape.clue);
    for (int i = 0; i < shape.length; ++i) hint.cells.push_back(model_.cellOf[size_t(model_.varsOf(shape)[i])]);
}

Hint CHintSearch::blockedAt(int run) {
    Hint hint;
    hint.kind = Hint::blocked;
    highlightRun(hint, run);
    hint.reason = "The digits in this run cannot all be right";
    return hint;
}

// Why `var` of `run` came down to one digit under `technique`; `before` holds the run's candidates
// before the rule.
Hint CHintSearch::stepAt(int run, int var, Technique technique, const DigitMask* before) {
    const ModelRun& shape = model_.runs[size_t(run)];
    Hint hint;
    hint.kind = Hint::nextDigit;
    hint.cell = model_.cellOf[var];
    hint.digit = lowestDigit(domains_[var]);
    hint.technique = int(technique);
    highlightRun(hint, run);
    const std::string digit = std::to_string(hint.digit);
    const std::vector<DigitMask>& combinations = CSumTable::instance().combinations(shape.sum, shape.length);
    int othersOpen = 0, holders = 0;
    for (int i = 0; i < shape.length; ++i) {
        int other = model_.varsOf(shape)[i];
        if (other != var && !isSingle(before[i])) ++othersOpen;
        if (before[i] & digitBit(hint.digit)) ++holders;
    }
    if (technique == Technique::basic && othersOpen == 0)
        hint.reason = digit + " completes the " + std::to_string(shape.sum) + " of this run";
    else if (technique == Technique::basic && combinations.size() == 1)
        hint.reason = "Only " + digitList(combinations[0], " + ") + " makes " + std::to_string(shape.sum) + " in " +
                      numberWords[shape.length] + " cells";
    else if (technique == Technique::combos && holders == 1)
        hint.reason = digit + " is needed in this run and fits only here";
    else if (technique == Technique::exact)
        hint.reason = "Only " + digit + " here lets this run make " + std::to_string(shape.sum);
    else
        hint.reason = digit + " is the only digit left for this cell";
    return hint;
}

// One pass of a rule over every run; stops at the first run that decides an empty cell.
bool CHintSearch::sweep(Technique technique, Hint& hint, bool& changed) {
    for (int run = 0; run < int(model_.runs.size()); ++run) {
        const ModelRun& shape = model_.runs[size_t(run)];
        if (shape.length < 1 || shape.length > 9) continue;
        DigitMask before[9], cells[9];
        for (int i = 0; i < shape.length; ++i) before[i] = cells[i] = domains_[size_t(model_.varsOf(shape)[i])];
        if (!applyRule(technique, shape.sum, shape.length, cells)) {
            hint = blockedAt(run);
            return true;
        }
        for (int i = 0; i < shape.length; ++i) {
            int var = model_.varsOf(shape)[i];
            if (cells[i] == domains_[size_t(var)]) continue;
            domains_[size_t(var)] = cells[i];
            changed = true;
            if (open(var) && isSingle(cells[i]) && !isSingle(before[i])) {
                hint = stepAt(run, var, technique, before);
                return true;
            }
        }
    }
    return false;
}

// A lookahead cell whose other candidate makes the runs fail under full run reasoning.
bool CHintSearch::lookahead(Hint& hint) {
    CPropagator propagator(model_);
    for (int var = 0; var < model_.variables(); ++var) {
        const DigitMask refuted = open(var) ? refutedDigits(propagator, domains_, var) : 0;
        if (refuted == 0) continue;
        // When both digits fail, the board already contradicts itself: the lower one is named wrong.
        domains_[size_t(var)] &= DigitMask(~(refuted & -refuted));
        hint.kind = Hint::nextDigit;
        hint.cell = model_.cellOf[var];
        hint.digit = lowestDigit(domains_[size_t(var)]);
        hint.technique = int(Technique::lookahead);
        for (int run : model_.runsOf[size_t(var)])
            if (run >= 0) highlightRun(hint, run);
        hint.reason = "Any digit but " + std::to_string(hint.digit) + " here leads to a contradiction";
        return true;
    }
    return false;
}

// Each rule runs to its fixpoint before the next, more thorough one is tried; after any progress
// the plainest rule gets the first look again.
Hint CHintSearch::find(bool digitsChecked) {
    Hint hint;
    for (bool progress = true; progress;) {
        progress = false;
        for (Technique technique : {Technique::basic, Technique::combos, Technique::exact}) {
            bool changed = false;
            if (sweep(technique, hint, changed)) return hint;
            if (changed) {
                progress = true;
                break;
            }
        }
        if (!progress && lookahead(hint)) return hint;
    }
    bool anyOpen = false;
    for (int var = 0; var < model_.variables(); ++var) anyOpen = anyOpen || open(var);
    if (!anyOpen) {
        hint.reason = "The board is complete";
        return hint;
    }
    hint.kind = Hint::blocked;
    // Digits known to be right, or none at all, are not what stops reasoning: the level is beyond it.
    for (int var = 0; var < model_.variables() && !digitsChecked; ++var)
        if (!open(var) && grid_.cell(model_.cellOf[var]).kind == gridPlayable) hint.cells.push_back(model_.cellOf[var]);
    hint.reason = hint.cells.empty() ? "No step by reasoning from here"
                                     : "No single step from here: these digits block the way";
    return hint;
}

}  // namespace

Hint findHint(const CLevelGrid& grid, const std::vector<int>& entered, const std::vector<int>& solution) {
    const size_t cells = size_t(grid.width()) * size_t(grid.height());
    if (entered.size() != cells) return Hint{Hint::blocked, -1, 0, 0, {}, "The board does not match its level"};
    for (size_t cell = 0; cell < cells && solution.size() == cells; ++cell) {
        if (grid.cell(int(cell)).kind != gridPlayable || entered[cell] == 0 || entered[cell] == solution[cell]) continue;
        return Hint{Hint::wrongDigit, int(cell), entered[cell], 0, {int(cell)}, "This digit cannot be right"};
    }
    return CHintSearch(grid, entered).find(solution.size() == cells);
}

}  // namespace levels
