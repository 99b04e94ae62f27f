// Which window messages become which game events.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/win32/Win32.h"
#include "tests/support/PlatformEvents.h"

namespace {

LPARAM at(int x, int y) { return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y))); }

}  // namespace

TEST(Win32Messages, TranslationGivesTheGameItsEvents) {
    // The message, its parameters, and what the game receives (testsupport::describe; "-": nothing).
    const std::tuple<UINT, WPARAM, LPARAM, const char*> rows[] = {
        {WM_MOUSEMOVE, 0, at(-3, 700), "move -3,700"},  // signed client positions
        {WM_LBUTTONDOWN, MK_LBUTTON, at(799, 599), "press 0 799,599"},
        {WM_MBUTTONDOWN, MK_LBUTTON, at(799, 599), "press 1 799,599"},
        {WM_RBUTTONDOWN, MK_LBUTTON, at(799, 599), "press 2 799,599"},
        {WM_LBUTTONUP, 0, at(1, 2), "release 0 1,2"},
        {WM_MBUTTONUP, 0, at(1, 2), "release 1 1,2"},
        {WM_RBUTTONUP, 0, at(1, 2), "release 2 1,2"},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), at(9, 9), "wheel -120"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, 240), 0, "wheel 240"},
        {WM_KEYDOWN, VK_ESCAPE, 0, "key Escape"},
        {WM_KEYDOWN, VK_F1, 0x40000000, "key F1 repeat"},
        {WM_KEYDOWN, VK_F2, 0, "key F2"},
        {WM_KEYDOWN, 'A', 0, "key a"},
        {WM_KEYDOWN, '7', 0, "key 7"},
        {WM_KEYDOWN, VK_NUMPAD3, 0, "key 3 keypad"},
        {WM_KEYDOWN, VK_LEFT, 0x01000000, "key Left"},  // the arrow keys' own, extended
        {WM_KEYDOWN, VK_BACK, 0, "key Backspace"},
        {WM_KEYDOWN, VK_RETURN, 0, "key Enter"},
        {WM_SETFOCUS, 0, 0, "focus"},
        {WM_KILLFOCUS, 0, 0, "blur"},
        {WM_SIZE, SIZE_MINIMIZED, 0, "minimised"},
        {WM_SIZE, SIZE_RESTORED, at(800, 600), "restored"},
        {WM_PAINT, 0, 0, "paint"},
        {WM_CLOSE, 0, 0, "close"},
        {WM_DESTROY, 0, 0, "destroyed"},
        // Double clicks, system keys and modifier keys alone are not the game's.
        {WM_LBUTTONDBLCLK, 0, at(5, 5), "-"},
        {WM_KEYDOWN, VK_SHIFT, 0, "-"},
        {WM_KEYDOWN, VK_CAPITAL, 0, "-"},
        {WM_SYSKEYDOWN, VK_F4, 0, "-"},
        {WM_CHAR, 'a', 0, "-"},
        {WM_KEYUP, VK_ESCAPE, 0, "-"},
        {WM_MOUSEHWHEEL, MAKEWPARAM(0, 120), 0, "-"},
    };
    for (const auto& [message, wParam, lParam, expected] : rows) {
        platform::Event event;
        bool translated = platform::win32::translateMessage(message, wParam, lParam, event);
        EXPECT_EQ(translated ? testsupport::describe(event) : "-", expected) << "message " << message << " " << wParam;
    }
}
