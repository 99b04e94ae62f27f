#include "solver/Filler.h"

#include <utility>

namespace levels {

namespace {

constexpr long fillBudget = 20000;  // placements before the search gives up on this pattern

int numberRuns(const CPattern& pattern, bool across, std::vector<int>& runOf, int next) {
    for (int line = 0; line < (across ? pattern.height() : pattern.width()); ++line) {
        int previous = -1;
        for (int i = 0; i < (across ? pattern.width() : pattern.height()); ++i) {
            const int x = across ? i : line, y = across ? line : i;
            if (!pattern.playable(x, y)) {
                previous = -1;
                continue;
            }
            if (previous < 0) previous = next++;
            runOf[y * pattern.width() + x] = previous;
        }
    }
    return next;
}

}  // namespace

PatternRuns::PatternRuns(const CPattern& pattern)
    : across(size_t(pattern.width()) * pattern.height(), -1), down(across) {
    count = numberRuns(pattern, true, across, 0);
    count = numberRuns(pattern, false, down, count);
}

CFiller::CFiller(const CPattern& pattern, CRandom& random)
    : pattern_(pattern), random_(random), runs_(pattern) {
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            if (pattern.playable(x, y)) cells_.push_back(y * pattern.width() + x);
}

DigitMask CFiller::freeDigits(int cell) const {
    return allDigits & ~(used_[runs_.across[cell]] | used_[runs_.down[cell]]);
}

int CFiller::pickCell() const {
    int best = -1;
    int bestCount = 10;
    for (size_t i = 0; i < cells_.size(); ++i) {
        const int cell = cells_[i];
        if (digits_[cell] != 0) continue;
        const int count = digitCount(freeDigits(cell));
        if (count < bestCount || (count == bestCount && tieBreak_[i] < tieBreak_[best < 0 ? 0 : best])) {
            best = int(i);
            bestCount = count;
        }
    }
    return best;
}

void CFiller::set(int cell, int digit) {
    const int previous = digits_[cell];
    const DigitMask change = DigitMask((previous ? digitBit(previous) : 0) | (digit ? digitBit(digit) : 0));
    used_[runs_.across[cell]] ^= change;
    used_[runs_.down[cell]] ^= change;
    digits_[cell] = digit;
}

// The free digits in a weighted random order: repeatedly draw one with probability proportional
// to its weight. Integer weights only, so a seed gives the same filling on every platform.
std::vector<int> CFiller::digitOrder(int cell) {
    auto leaning = [](int lean, int digit) { return lean < 0 ? 10 - digit : lean > 0 ? digit : 5; };
    std::vector<std::pair<int, int>> left;  // weight, digit
    for (unsigned rest = freeDigits(cell); rest; rest &= rest - 1) {
        const int digit = lowestDigit(rest);
        left.push_back({leaning(lean_[runs_.across[cell]], digit) * leaning(lean_[runs_.down[cell]], digit), digit});
    }
    std::vector<int> order;
    while (!left.empty()) {
        int total = 0;
        for (const auto& entry : left) total += entry.first;
        int draw = random_.below(total);
        size_t pick = 0;
        while (draw >= left[pick].first) draw -= left[pick++].first;
        order.push_back(left[pick].second);
        left.erase(left.begin() + long(pick));
    }
    return order;
}

bool CFiller::place(int depth) {
    const int index = pickCell();
    if (index < 0) return true;
    const int cell = cells_[index];
    for (int digit : digitOrder(cell)) {
        if (--budget_ < 0) return false;
        set(cell, digit);
        if (place(depth + 1)) return true;
        set(cell, 0);
    }
    return false;
}

bool CFiller::fill(std::vector<int>& digits) {
    digits_.assign(size_t(pattern_.width()) * pattern_.height(), 0);
    used_.assign(size_t(runs_.count), 0);
    lean_.resize(size_t(runs_.count));
    for (int& lean : lean_) lean = random_.below(3) - 1;
    tieBreak_.resize(cells_.size());
    for (int& key : tieBreak_) key = random_.below(1 << 30);
    budget_ = fillBudget;
    if (!place(0)) return false;
    digits = digits_;
    return true;
}

}  // namespace levels
