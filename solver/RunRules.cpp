#include "solver/RunRules.h"

#include <cstring>

#include "solver/SumTable.h"

namespace levels {

namespace {

// The digits of the cells that hold exactly one candidate; false when two of them repeat a digit
// or a cell has no candidate left.
bool placedDigits(int length, const DigitMask* cells, DigitMask& placed) {
    placed = 0;
    for (int i = 0; i < length; ++i) {
        if (cells[i] == 0) return false;
        if (!isSingle(cells[i])) continue;
        if (placed & cells[i]) return false;
        placed |= cells[i];
    }
    return true;
}

// Narrows the cells still open to `allowed`; false when one runs out of candidates.
bool narrowOpen(int length, DigitMask* cells, DigitMask allowed) {
    for (int i = 0; i < length; ++i) {
        if (isSingle(cells[i])) continue;
        cells[i] &= allowed;
        if (cells[i] == 0) return false;
    }
    return true;
}

bool combinationFits(DigitMask combination, DigitMask placed, int length, const DigitMask* cells) {
    if ((combination & placed) != placed) return false;
    const DigitMask rest = combination & ~placed;
    DigitMask open = 0;
    for (int i = 0; i < length; ++i) {
        if (isSingle(cells[i])) continue;
        if ((cells[i] & rest) == 0) return false;
        open |= cells[i];
    }
    return (rest & ~open) == 0;
}

// A digit every remaining combination needs goes to the only open cell that can take it.
bool placeHiddenSingles(int length, DigitMask* cells, DigitMask needed) {
    for (int digit = 1; digit <= 9; ++digit) {
        if (!(needed & digitBit(digit))) continue;
        int holder = -1;
        int holders = 0;
        for (int i = 0; i < length; ++i) {
            if (cells[i] & digitBit(digit)) {
                holder = i;
                ++holders;
            }
        }
        if (holders == 0) return false;
        if (holders == 1) cells[holder] = digitBit(digit);
    }
    return true;
}

// Reachable digit sets after each prefix of the cells, kept as 512-bit sets plus lists.
struct Layers {
    uint16_t states[10][128];
    int counts[10];
    uint64_t seen[10][8];

    bool has(int layer, unsigned set) const { return (seen[layer][set >> 6] >> (set & 63)) & 1; }
    void add(int layer, unsigned set) {
        seen[layer][set >> 6] |= uint64_t(1) << (set & 63);
        states[layer][counts[layer]++] = uint16_t(set);
    }
};

// Cells with fewer candidates first: the layers stay small.
void orderBySize(int length, const DigitMask* cells, int* order) {
    for (int i = 0; i < length; ++i) {
        int j = i;
        while (j > 0 && digitCount(cells[order[j - 1]]) > digitCount(cells[i])) {
            order[j] = order[j - 1];
            --j;
        }
        order[j] = i;
    }
}

bool buildForward(const std::bitset<512>& extendable, int length, const DigitMask* cells,
                  const int* order, Layers& layers) {
    std::memset(layers.seen, 0, sizeof layers.seen);
    std::memset(layers.counts, 0, sizeof layers.counts);
    layers.add(0, 0);
    for (int k = 0; k < length; ++k) {
        const DigitMask candidates = cells[order[k]];
        for (int s = 0; s < layers.counts[k]; ++s) {
            const unsigned state = layers.states[k][s];
            for (unsigned free = candidates & ~state; free; free &= free - 1) {
                const unsigned next = state | (free & -free);
                if (!layers.has(k + 1, next) && extendable[next]) layers.add(k + 1, next);
            }
        }
        if (layers.counts[k + 1] == 0) return false;
    }
    return true;
}

// Walks back from the complete sets and keeps, per cell, the digits on some complete path.
void collectSupport(int length, const DigitMask* cells, const int* order, const Layers& layers,
                    DigitMask* support) {
    uint64_t good[8];
    std::memcpy(good, layers.seen[length], sizeof good);
    for (int k = length - 1; k >= 0; --k) {
        uint64_t goodHere[8] = {};
        const DigitMask candidates = cells[order[k]];
        support[k] = 0;
        for (int s = 0; s < layers.counts[k]; ++s) {
            const unsigned state = layers.states[k][s];
            for (unsigned free = candidates & ~state; free; free &= free - 1) {
                const unsigned bit = free & -free;
                const unsigned next = state | bit;
                if (!((good[next >> 6] >> (next & 63)) & 1)) continue;
                support[k] |= DigitMask(bit);
                goodHere[state >> 6] |= uint64_t(1) << (state & 63);
            }
        }
        std::memcpy(good, goodHere, sizeof good);
    }
}

}  // namespace

bool applyBasic(int sum, int length, DigitMask* cells) {
    DigitMask placed;
    if (length <= 0 || !placedDigits(length, cells, placed)) return false;
    DigitMask possible = 0;
    for (DigitMask combination : CSumTable::instance().combinations(sum, length))
        if ((combination & placed) == placed) possible |= combination;
    return possible != 0 && narrowOpen(length, cells, possible & ~placed);
}

bool applyCombos(int sum, int length, DigitMask* cells) {
    DigitMask placed;
    if (length <= 0 || !placedDigits(length, cells, placed)) return false;
    DigitMask possible = 0;
    DigitMask needed = allDigits;
    for (DigitMask combination : CSumTable::instance().combinations(sum, length)) {
        if (!combinationFits(combination, placed, length, cells)) continue;
        possible |= combination;
        needed &= combination;
    }
    if (possible == 0 || !narrowOpen(length, cells, possible & ~placed)) return false;
    return placeHiddenSingles(length, cells, needed & ~placed);
}

bool applyExact(int sum, int length, DigitMask* cells) {
    if (length <= 0 || length > CSumTable::maxLength) return false;
    int order[CSumTable::maxLength];
    orderBySize(length, cells, order);
    Layers layers;
    if (!buildForward(CSumTable::instance().extendable(sum, length), length, cells, order, layers))
        return false;
    DigitMask support[CSumTable::maxLength];
    collectSupport(length, cells, order, layers, support);
    for (int k = 0; k < length; ++k) cells[order[k]] = support[k];
    return true;
}

bool applyRule(Technique technique, int sum, int length, DigitMask* cells) {
    switch (technique) {
    case Technique::basic: return applyBasic(sum, length, cells);
    case Technique::combos: return applyCombos(sum, length, cells);
    default: return applyExact(sum, length, cells);
    }
}

}  // namespace levels
