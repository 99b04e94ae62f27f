// Window message -> game event. The window procedure queues what this returns; pollEvent hands it
// to the game's own window procedure.
#include "platform/win32/Win32.h"

namespace platform::win32 {

namespace {

// Client coordinates are signed: a position left of or above the client area is negative.
void pointerPosition(LPARAM lParam, Event& out) {
    out.x = static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam)));
    out.y = static_cast<short>(HIWORD(static_cast<DWORD_PTR>(lParam)));
}

bool button(EventType type, int index, LPARAM lParam, Event& out) {
    out.type = type;
    out.button = index;
    pointerPosition(lParam, out);
    return true;
}

Key gameKey(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_ESCAPE: return Key::Escape;
    case VK_F1: return Key::F1;
    case VK_F2: return Key::F2;
    default: return Key::Other;
    }
}

bool typed(EventType type, Event& out) {
    out.type = type;
    return true;
}

}  // namespace

bool translateMessage(UINT message, WPARAM wParam, LPARAM lParam, Event& out) {
    out = Event();
    switch (message) {
    case WM_MOUSEMOVE:
        out.type = EventType::PointerMoved;
        pointerPosition(lParam, out);
        return true;
    case WM_LBUTTONDOWN: return button(EventType::ButtonPressed, 0, lParam, out);
    case WM_MBUTTONDOWN: return button(EventType::ButtonPressed, 1, lParam, out);
    case WM_RBUTTONDOWN: return button(EventType::ButtonPressed, 2, lParam, out);
    case WM_LBUTTONUP: return button(EventType::ButtonReleased, 0, lParam, out);
    case WM_MBUTTONUP: return button(EventType::ButtonReleased, 1, lParam, out);
    case WM_RBUTTONUP: return button(EventType::ButtonReleased, 2, lParam, out);
    case WM_MOUSEWHEEL:  // the position here is in screen coordinates and is not used
        out.type = EventType::Wheel;
        out.wheelDelta = GET_WHEEL_DELTA_WPARAM(wParam);
        return true;
    case WM_KEYDOWN:  // auto-repeat arrives as further WM_KEYDOWN
        out.type = EventType::KeyPressed;
        out.key = gameKey(wParam);
        return true;
    case WM_PAINT: return typed(EventType::Paint, out);
    case WM_CLOSE: return typed(EventType::CloseRequested, out);
    case WM_DESTROY: return typed(EventType::WindowDestroyed, out);
    default: return false;
    }
}

}  // namespace platform::win32
