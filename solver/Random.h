// The generator's own random numbers (SplitMix64), so one seed gives one level on every machine
// and with every standard library.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace levels {

class CRandom {
public:
    explicit CRandom(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int bound) { return bound <= 0 ? 0 : int(next() % uint64_t(bound)); }  // 0 .. bound-1
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }     // [0, 1)

    template <typename T>
    void shuffle(std::vector<T>& items) {
        for (int i = int(items.size()) - 1; i > 0; --i) std::swap(items[i], items[below(i + 1)]);
    }

private:
    uint64_t state_;
};

}  // namespace levels
