// SDL event -> game event. What the game needs and SDL does not give by default is decided here:
// pointer events only over the client area, 120 per wheel notch, key repeats as presses.
#include "platform/sdl/SdlEvents.h"

#include <SDL.h>

namespace platform::sdl {

namespace {

bool overClient(uint32_t windowId, int x, int y, const EventTarget& target) {
    return target.windowId != 0 && windowId == target.windowId && x >= 0 && y >= 0 &&
           x < target.width && y < target.height;
}

bool buttonIndex(uint8_t sdlButton, int& button) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: button = 0; return true;
    case SDL_BUTTON_MIDDLE: button = 1; return true;
    case SDL_BUTTON_RIGHT: button = 2; return true;
    default: return false;
    }
}

bool pointerMoved(const SDL_MouseMotionEvent& motion, const EventTarget& target, Event& out) {
    if (!overClient(motion.windowID, motion.x, motion.y, target)) return false;
    out.type = EventType::PointerMoved;
    out.x = motion.x;
    out.y = motion.y;
    return true;
}

// Double clicks (clicks > 1) are ordinary presses.
bool buttonChanged(const SDL_MouseButtonEvent& press, const EventTarget& target, Event& out) {
    if (!overClient(press.windowID, press.x, press.y, target)) return false;
    if (!buttonIndex(press.button, out.button)) return false;
    out.type = press.state == SDL_PRESSED ? EventType::ButtonPressed : EventType::ButtonReleased;
    out.x = press.x;
    out.y = press.y;
    return true;
}

// Positive away from the user whatever the system's "natural scrolling" setting.
bool wheelTurned(const SDL_MouseWheelEvent& wheel, Event& out) {
    int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    if (notches == 0) return false;  // horizontal scrolling
    out.type = EventType::Wheel;
    out.wheelDelta = notches * 120;
    return true;
}

// With Alt held a key is a system key: the window sees it as none of its own.
Key gameKey(const SDL_Keysym& keysym) {
    if (keysym.mod & KMOD_ALT) return Key::Other;
    switch (keysym.sym) {
    case SDLK_ESCAPE: return Key::Escape;
    case SDLK_F1: return Key::F1;
    case SDLK_F2: return Key::F2;
    default: return Key::Other;
    }
}

bool windowChanged(const SDL_WindowEvent& change, const EventTarget& target, Event& out) {
    if (target.windowId == 0 || change.windowID != target.windowId) return false;
    switch (change.event) {
    case SDL_WINDOWEVENT_EXPOSED: out.type = EventType::Paint; return true;
    case SDL_WINDOWEVENT_CLOSE: out.type = EventType::CloseRequested; return true;
    default: return false;
    }
}

}  // namespace

bool translateEvent(const SDL_Event& in, const EventTarget& target, Event& out) {
    out = Event();
    switch (in.type) {
    case SDL_MOUSEMOTION: return pointerMoved(in.motion, target, out);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return buttonChanged(in.button, target, out);
    case SDL_MOUSEWHEEL: return wheelTurned(in.wheel, out);
    case SDL_KEYDOWN:  // auto-repeat included
        out.type = EventType::KeyPressed;
        out.key = gameKey(in.key.keysym);
        return true;
    case SDL_WINDOWEVENT: return windowChanged(in.window, target, out);
    case SDL_QUIT:  // also what SIGTERM becomes
        out.type = EventType::CloseRequested;
        return true;
    default: return false;
    }
}

bool madeUpExitMove(const Event& move, const SDL_Event* following, int count,
                    const EventTarget& target) {
    bool onBorder = move.x == 0 || move.y == 0 || move.x == target.width - 1 ||
                    move.y == target.height - 1;
    if (move.type != EventType::PointerMoved || !onBorder) return false;
    for (int i = 0; i < count; ++i) {
        const SDL_Event& next = following[i];
        if (next.type == SDL_MOUSEMOTION) continue;
        return next.type == SDL_WINDOWEVENT && next.window.event == SDL_WINDOWEVENT_LEAVE &&
               next.window.windowID == target.windowId;
    }
    return false;
}

}  // namespace platform::sdl
