// Translation of SDL's events into the game's window events.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

union SDL_Event;

namespace platform::sdl {

// The window whose events the game receives; windowId 0 when there is none.
struct EventTarget {
    uint32_t windowId = 0;
    int width = 0;   // client size, pixels
    int height = 0;
};

// false: the event means nothing to the game (skip it and poll on). Pointer events outside the
// target's client area are dropped, as the game never captures the mouse.
bool translateEvent(const SDL_Event& in, const EventTarget& target, Event& out);

// SDL follows the pointer out of the window (and out of a drag that ended outside) with made-up
// moves to the nearest border pixel, then tells the window the pointer left. True when `move` is
// such a move: on the border, with only moves between it and that notice among the `count` events
// queued after it. The game sees no pointer events outside its client area, so these are dropped.
bool madeUpExitMove(const Event& move, const SDL_Event* following, int count,
                    const EventTarget& target);

}  // namespace platform::sdl
