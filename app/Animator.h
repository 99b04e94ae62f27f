// One float moved linearly in time towards a target: every fade, hold time and clock of the game.
#pragma once

#include <cstdint>

// Owners set from, to and speed (signed towards the target) before restart, read value every frame
// and advance by the current tick minus lastTick. An inactive advance changes nothing, lastTick
// included, so a paused owner receives the whole interval on its next active advance.
struct Animator {
    bool pingPong = false;  // at the target: reverse instead of stopping
    float from = 0.0f;
    float to = 1.0f;
    float value = 0.0f;
    float speed = 0.004f;   // change per millisecond
    uint32_t lastTick = 0;
    bool active = false;

    uint32_t advance(uint32_t elapsed);  // returns elapsed unchanged
    void restart();                      // value = from, lastTick = now, active
};
