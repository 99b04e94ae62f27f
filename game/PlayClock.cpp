// The play clock and the pacing of the solution test.
#include "game/PlayClock.h"

#include "app/Animator.h"
#include "platform/Platform.h"

namespace {

constexpr uint32_t checkInterval = 1000;  // milliseconds of play time between solution tests

}  // namespace

uint32_t advancePlayTime(Animator& clock, uint32_t& playTime) {
    uint32_t elapsed = platform::tickCount() - clock.lastTick;
    clock.advance(elapsed);
    playTime += elapsed;
    return elapsed;
}

void holdPlayTime(Animator& clock) { clock.lastTick = platform::tickCount(); }

bool SolvedCheck::due(uint32_t playTime) {
    if (!started_) {
        started_ = true;
        lastCheck_ = playTime;
    }
    if (playTime - lastCheck_ <= checkInterval) return false;
    lastCheck_ = playTime;
    return true;
}
