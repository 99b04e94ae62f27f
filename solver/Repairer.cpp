#include "solver/Repairer.h"

#include <algorithm>
#include <climits>

#include "solver/Generator.h"

namespace levels {

namespace {

constexpr int movesPerRound = 10;
// Lookahead joins the measure once the exact rule leaves at most this many candidates open: it
// is costly, and only then can it hope to finish the level.
constexpr int lookaheadBelow = 24;
constexpr int tooEasy = INT_MAX / 2;  // the measure of a level the weaker technique decides

Technique measureTechnique(Technique wanted) {
    return wanted == Technique::lookahead ? Technique::exact : wanted;
}

int openCount(const Domains& domains) {
    int open = 0;
    for (DigitMask candidates : domains) open += digitCount(candidates) - 1;
    return open;
}

}  // namespace

CRepairer::CRepairer(const CPattern& pattern, const std::vector<int>& digits, Technique wanted,
                     bool strict, CRandom& random)
    : model_(buildModel(levelFromDigits(pattern, digits))),
      propagator_(model_),
      wanted_(wanted),
      measureWith_(measureTechnique(wanted)),
      strict_(strict && wanted != Technique::basic),
      random_(random),
      digits_(digits) {
    for (int cell : model_.cellOf) value_.push_back(digits[cell]);
}

int CRepairer::measure() {
    domains_ = model_.start;
    propagator_.settleAll(domains_, measureWith_);  // the filling is a solution: never fails
    int open = openCount(domains_);
    if (open == 0) return strict_ && weakerDecides() ? tooEasy : 0;
    if (wanted_ == Technique::lookahead && open <= lookaheadBelow) {
        settleWithLookahead(model_, domains_);
        open = openCount(domains_);
    }
    return open;
}

// Lookahead levels are measured with the exact rule, so deciding them with it is too easy already.
bool CRepairer::weakerDecides() {
    if (wanted_ == Technique::lookahead) return true;
    Domains domains = model_.start;
    propagator_.settleAll(domains, Technique(int(wanted_) - 1));
    return openCount(domains) == 0;
}

bool CRepairer::wantedDecides(int current) {
    if (current != 0) return false;
    grade_ = gradeLevel(model_, wanted_);
    return grade_.solved;
}

void CRepairer::setDigit(int var, int digit) {
    for (int run : model_.runsOf[var])
        if (run >= 0) model_.runs[run].sum += digit - value_[var];
    value_[var] = digit;
    digits_[model_.cellOf[var]] = digit;
}

DigitMask CRepairer::takenAround(int var) const {
    DigitMask taken = 0;
    for (int run : model_.runsOf[var]) {
        if (run < 0) continue;
        const ModelRun& shape = model_.runs[run];
        for (int i = 0; i < shape.length; ++i) {
            const int other = model_.varsOf(shape)[i];
            if (other != var) taken |= digitBit(value_[other]);
        }
    }
    return taken;
}

// Changes to the cells that share a run with one undecided cell.
std::vector<CRepairer::Move> CRepairer::candidateMoves() {
    std::vector<int> open;
    for (int var = 0; var < int(domains_.size()); ++var)
        if (!isSingle(domains_[var])) open.push_back(var);
    if (open.empty())  // too easy: any cell may change
        for (int var = 0; var < int(domains_.size()); ++var) open.push_back(var);
    std::vector<Move> moves;
    const int focus = open[random_.below(int(open.size()))];
    for (int run : model_.runsOf[focus]) {
        if (run < 0) continue;
        const ModelRun& shape = model_.runs[run];
        for (int i = 0; i < shape.length; ++i) {
            const int var = model_.varsOf(shape)[i];
            const DigitMask free = DigitMask(allDigits & ~takenAround(var) & ~digitBit(value_[var]));
            for (unsigned rest = free; rest; rest &= rest - 1) moves.push_back({var, lowestDigit(rest)});
        }
    }
    random_.shuffle(moves);
    if (moves.size() > size_t(movesPerRound)) moves.resize(movesPerRound);
    return moves;
}

int CRepairer::tryMove(const Move& move) {
    const int before = value_[move.var];
    setDigit(move.var, move.digit);
    const int result = measure();
    setDigit(move.var, before);
    return result;
}

bool CRepairer::repair(int maxRounds, int& rounds, const std::atomic<bool>* stop) {
    if (model_.start.empty()) return false;
    int current = measure();
    for (int round = 0; round < maxRounds; ++round) {
        if (stop && stop->load(std::memory_order_relaxed)) return false;
        if (wantedDecides(current)) return true;
        std::vector<Move> moves = candidateMoves();
        if (moves.empty()) return false;
        ++rounds;
        int bestMeasure = INT_MAX;
        Move best = moves[0];
        for (const Move& move : moves) {
            const int result = tryMove(move);
            if (result < bestMeasure) {
                bestMeasure = result;
                best = move;
            }
        }
        if (bestMeasure <= current || random_.below(8) == 0) {
            setDigit(best.var, best.digit);
            current = bestMeasure;
        }
        measure();  // domains_ for the next round's focus
    }
    return false;
}

}  // namespace levels
