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

Key namedKey(SDL_Keycode sym) {
    switch (sym) {
    case SDLK_ESCAPE: return Key::Escape;
    case SDLK_F1: return Key::F1;
    case SDLK_F2: return Key::F2;
    case SDLK_UP: return Key::Up;
    case SDLK_DOWN: return Key::Down;
    case SDLK_LEFT: return Key::Left;
    case SDLK_RIGHT: return Key::Right;
    case SDLK_HOME: return Key::Home;
    case SDLK_END: return Key::End;
    case SDLK_DELETE: return Key::Delete;
    case SDLK_BACKSPACE: return Key::Backspace;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return Key::Enter;
    default: return Key::Other;
    }
}

// Keypad digits by their keycode, whatever Num Lock says: SDL names them apart from the main row.
char keypadDigit(SDL_Keycode sym) {
    switch (sym) {
    case SDLK_KP_0: return '0';
    case SDLK_KP_1: return '1';
    case SDLK_KP_2: return '2';
    case SDLK_KP_3: return '3';
    case SDLK_KP_4: return '4';
    case SDLK_KP_5: return '5';
    case SDLK_KP_6: return '6';
    case SDLK_KP_7: return '7';
    case SDLK_KP_8: return '8';
    case SDLK_KP_9: return '9';
    default: return 0;
    }
}

bool isModifier(SDL_Keycode sym) {
    return (sym >= SDLK_LCTRL && sym <= SDLK_RGUI) || sym == SDLK_CAPSLOCK || sym == SDLK_NUMLOCKCLEAR || sym == SDLK_MODE;
}

// A modifier key alone is no press (Shift held to type must not count as a key). With Alt held a
// key is a system key: the window sees it as none of its own. Printable keys carry their unshifted
// character (letters in lower case), with Shift and Ctrl as modifiers.
bool keyPressed(const SDL_KeyboardEvent& press, Event& out) {
    const SDL_Keysym& keysym = press.keysym;
    if (isModifier(keysym.sym)) return false;
    out.type = EventType::KeyPressed;
    out.repeat = press.repeat != 0;
    if (keysym.mod & KMOD_ALT) return true;
    out.shift = (keysym.mod & KMOD_SHIFT) != 0;
    out.ctrl = (keysym.mod & KMOD_CTRL) != 0;
    out.key = namedKey(keysym.sym);
    if (out.key != Key::Other) return true;
    if (char digit = keypadDigit(keysym.sym)) {
        out.key = Key::Character;
        out.character = digit;
        out.keypad = true;
    } else if (keysym.sym > 32 && keysym.sym < 127) {
        out.key = Key::Character;
        out.character = static_cast<char>(keysym.sym);
    }
    return true;
}

bool windowChanged(const SDL_WindowEvent& change, const EventTarget& target, Event& out) {
    if (target.windowId == 0 || change.windowID != target.windowId) return false;
    switch (change.event) {
    case SDL_WINDOWEVENT_EXPOSED: out.type = EventType::Paint; return true;
    case SDL_WINDOWEVENT_CLOSE: out.type = EventType::CloseRequested; return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED: out.type = EventType::FocusGained; return true;
    case SDL_WINDOWEVENT_FOCUS_LOST: out.type = EventType::FocusLost; return true;
    case SDL_WINDOWEVENT_MINIMIZED: out.type = EventType::Minimised; return true;
    case SDL_WINDOWEVENT_RESTORED: out.type = EventType::Restored; return true;
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
    case SDL_KEYDOWN: return keyPressed(in.key, out);  // auto-repeat included
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
