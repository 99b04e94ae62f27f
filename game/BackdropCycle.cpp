// Shuffling the backdrop colours and gliding a channel; no GL, so tests drive them with a fake clock.
#include "game/BackdropCycle.h"

#include <cmath>
#include <utility>

#include "app/Animator.h"

uint32_t BackdropRandom::next() {
    state_ = state_ * 214013u + 2531011u;
    return (state_ >> 16) & max;
}

uint32_t BackdropRandom::below(uint32_t count) {
    if (count == 0) return 0;
    uint32_t value = next();
    if (count > max) value = (value << 15) | next();  // 30 bits cover any list we keep
    return value % count;
}

void shuffleColours(std::vector<BackdropColour>& colours, BackdropRandom& random) {
    for (size_t k = 1; k < colours.size(); ++k) {
        size_t j = random.below(static_cast<uint32_t>(k + 1));
        std::swap(colours[k], colours[j]);
    }
}

void startGlide(Animator& channel, float target, float changeSpeed) {
    bool glides = changeSpeed > 0.0f && std::isfinite(changeSpeed);
    channel.from = glides ? channel.value : target;
    channel.to = target;
    channel.speed = glides ? (target - channel.from) * changeSpeed : 0.0f;
    channel.restart();
}
