// Deterministic randomness: the same numbers on every run and every machine, so the art is
// reproducible byte for byte.
#pragma once

#include <cstdint>

namespace assetgen {

// A well-mixed 32-bit hash of a lattice point and a seed (integer only, no platform rounding).
inline uint32_t hash3(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= static_cast<uint32_t>(y) * 0x27D4EB2Fu;
    h = (h ^ (h >> 16)) * 0x85EBCA6Bu;
    return h ^ (h >> 15);
}

// A value in [0, 1) for a lattice point.
inline double hashUnit(int32_t x, int32_t y, uint32_t seed) {
    return (hash3(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

// A small linear congruential generator with a fixed seed, for scattering shapes.
class Sequence {
public:
    explicit Sequence(uint32_t seed) : state_(seed) {}
    double next() {  // [0, 1)
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) * (1.0 / 16777216.0);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    uint32_t state_;
};

}  // namespace assetgen
