// The arithmetic of the backdrop's colour cycle, free of GL: the shuffle of the colour list and the
// glide of one channel towards its next colour.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct Animator;

using BackdropColour = std::array<float, 3>;  // red, green, blue; 1.0 is 255 in BackColors.ini

// The classic C library generator: 15 bits per call, so a range above 32767 combines two calls.
// Each backdrop owns one, so its shuffle leaves the process-wide rand() alone.
class BackdropRandom {
public:
    explicit BackdropRandom(uint32_t seed) : state_(seed) {}
    static constexpr uint32_t max = 0x7FFF;

    uint32_t next();                // 0 to 32767
    uint32_t below(uint32_t count);  // 0 to count - 1; 0 when count is 0

private:
    uint32_t state_;
};

// For each position k from the second to the last, swaps it with a random position 0 to k.
void shuffleColours(std::vector<BackdropColour>& colours, BackdropRandom& random);

// Aims a channel at `target` from its current value so it arrives after 1 / changeSpeed
// milliseconds whatever the distance, and restarts it. A changeSpeed that is not a positive finite
// number would never arrive (or run away from the target), so the channel jumps there at once.
void startGlide(Animator& channel, float target, float changeSpeed);
