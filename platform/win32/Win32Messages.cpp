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

Key namedKey(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_ESCAPE: return Key::Escape;
    case VK_F1: return Key::F1;
    case VK_F2: return Key::F2;
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_HOME: return Key::Home;
    case VK_END: return Key::End;
    case VK_DELETE: return Key::Delete;
    case VK_BACK: return Key::Backspace;
    case VK_RETURN: return Key::Enter;
    default: return Key::Other;
    }
}

// With Num Lock on, Windows turns Shift with a keypad digit into the keypad's navigation key
// (lifting Shift for it): a navigation key that is not an extended key came from the keypad.
char shiftedKeypadDigit(WPARAM virtualKey, LPARAM lParam) {
    bool extended = (static_cast<DWORD_PTR>(lParam) >> 24) & 1;
    if (extended || !(GetKeyState(VK_NUMLOCK) & 1)) return 0;
    switch (virtualKey) {
    case VK_INSERT: return '0';
    case VK_END: return '1';
    case VK_DOWN: return '2';
    case VK_NEXT: return '3';
    case VK_LEFT: return '4';
    case VK_CLEAR: return '5';
    case VK_RIGHT: return '6';
    case VK_HOME: return '7';
    case VK_UP: return '8';
    case VK_PRIOR: return '9';
    default: return 0;
    }
}

// The unshifted character of a printable key in the current layout, lower case; 0 for none.
char printable(WPARAM virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9') return static_cast<char>(virtualKey);
    if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<char>(virtualKey - 'A' + 'a');
    UINT character = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_CHAR) & 0x7FFF;
    return character > 32 && character < 127 ? static_cast<char>(character) : 0;
}

bool isModifier(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_SHIFT: case VK_CONTROL: case VK_MENU: case VK_CAPITAL: case VK_NUMLOCK: case VK_LWIN: case VK_RWIN: return true;
    default: return false;
    }
}

// A modifier key alone is no press (Shift held to type must not count as a key): the system has
// it. Alt turns keys into system keys (WM_SYSKEYDOWN), which never arrive here.
bool keyPressed(WPARAM virtualKey, LPARAM lParam, Event& out) {
    if (isModifier(virtualKey)) return false;
    out.type = EventType::KeyPressed;
    out.repeat = (static_cast<DWORD_PTR>(lParam) >> 30) & 1;
    out.shift = GetKeyState(VK_SHIFT) < 0;
    out.ctrl = GetKeyState(VK_CONTROL) < 0;
    if (char digit = shiftedKeypadDigit(virtualKey, lParam)) {
        out.key = Key::Character;
        out.character = digit;
        out.keypad = true;
        out.shift = true;
        return true;
    }
    out.key = namedKey(virtualKey);
    if (out.key != Key::Other) return true;
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) {
        out.key = Key::Character;
        out.character = static_cast<char>('0' + (virtualKey - VK_NUMPAD0));
        out.keypad = true;
    } else if (char character = printable(virtualKey)) {
        out.key = Key::Character;
        out.character = character;
    }
    return true;
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
    case WM_KEYDOWN: return keyPressed(wParam, lParam, out);  // auto-repeat arrives as further WM_KEYDOWN
    case WM_SETFOCUS: return typed(EventType::FocusGained, out);
    case WM_KILLFOCUS: return typed(EventType::FocusLost, out);
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) return typed(EventType::Minimised, out);
        return wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED ? typed(EventType::Restored, out) : false;
    case WM_PAINT: return typed(EventType::Paint, out);
    case WM_CLOSE: return typed(EventType::CloseRequested, out);
    case WM_DESTROY: return typed(EventType::WindowDestroyed, out);
    default: return false;
    }
}

}  // namespace platform::win32
