// Linear motion of one float towards a target, advanced by elapsed milliseconds.
#include "app/Animator.h"

#include "platform/Platform.h"

uint32_t Animator::advance(uint32_t elapsed) {
    if (!active) return elapsed;
    value += static_cast<float>(elapsed) * speed;
    lastTick += elapsed;
    bool reached = speed > 0.0f ? value >= to : value <= to;
    if (!reached) return elapsed;
    value = to;
    if (pingPong) {
        // Runs back from the target; the surplus time beyond it is dropped.
        float oldFrom = from;
        from = to;
        to = oldFrom;
        speed = -speed;
    } else {
        active = false;
    }
    return elapsed;
}

void Animator::restart() {
    value = from;
    lastTick = platform::tickCount();
    active = true;
}
