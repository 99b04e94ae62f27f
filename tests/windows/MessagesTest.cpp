// Which window messages become which game events.
#include "platform/win32/Win32.h"
#include "tests/windows/Check.h"

namespace {

using platform::Event;
using platform::EventType;
using platform::Key;
using platform::win32::translateMessage;

LPARAM at(int x, int y) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y)));
}

}  // namespace

TEST_CASE("messages: pointer messages carry signed client positions and the button index") {
    Event event;
    REQUIRE(translateMessage(WM_MOUSEMOVE, 0, at(-3, 700), event));
    CHECK(event.type == EventType::PointerMoved);
    CHECK_EQ(event.x, -3);
    CHECK_EQ(event.y, 700);
    const UINT presses[] = {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN};
    const UINT releases[] = {WM_LBUTTONUP, WM_MBUTTONUP, WM_RBUTTONUP};
    for (int button = 0; button < 3; ++button) {
        REQUIRE(translateMessage(presses[button], MK_LBUTTON, at(799, 599), event));
        CHECK(event.type == EventType::ButtonPressed);
        CHECK_EQ(event.button, button);
        CHECK_EQ(event.x, 799);
        CHECK_EQ(event.y, 599);
        REQUIRE(translateMessage(releases[button], 0, at(1, 2), event));
        CHECK(event.type == EventType::ButtonReleased);
        CHECK_EQ(event.button, button);
    }
}

TEST_CASE("messages: double clicks and system keys are not the game's") {
    Event event;
    CHECK(!translateMessage(WM_LBUTTONDBLCLK, 0, at(5, 5), event));
    CHECK(!translateMessage(WM_SYSKEYDOWN, VK_F4, 0, event));
    CHECK(!translateMessage(WM_CHAR, 'a', 0, event));
    CHECK(!translateMessage(WM_KEYUP, VK_ESCAPE, 0, event));
    CHECK(!translateMessage(WM_MOUSEHWHEEL, MAKEWPARAM(0, 120), 0, event));
}

TEST_CASE("messages: the wheel reports its signed delta, 120 a notch") {
    Event event;
    WPARAM towardsUser = MAKEWPARAM(0, static_cast<WORD>(-120));
    REQUIRE(translateMessage(WM_MOUSEWHEEL, towardsUser, at(9, 9), event));
    CHECK(event.type == EventType::Wheel);
    CHECK_EQ(event.wheelDelta, -120);
    REQUIRE(translateMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, 240), 0, event));
    CHECK_EQ(event.wheelDelta, 240);
}

TEST_CASE("messages: key presses, paint, close and destroy") {
    Event event;
    REQUIRE(translateMessage(WM_KEYDOWN, VK_ESCAPE, 0, event));
    CHECK(event.type == EventType::KeyPressed);
    CHECK(event.key == Key::Escape);
    REQUIRE(translateMessage(WM_KEYDOWN, VK_F1, 0x40000000, event));  // an auto-repeat
    CHECK(event.key == Key::F1);
    REQUIRE(translateMessage(WM_KEYDOWN, VK_F2, 0, event));
    CHECK(event.key == Key::F2);
    REQUIRE(translateMessage(WM_KEYDOWN, 'A', 0, event));
    CHECK(event.key == Key::Other);
    REQUIRE(translateMessage(WM_PAINT, 0, 0, event));
    CHECK(event.type == EventType::Paint);
    REQUIRE(translateMessage(WM_CLOSE, 0, 0, event));
    CHECK(event.type == EventType::CloseRequested);
    REQUIRE(translateMessage(WM_DESTROY, 0, 0, event));
    CHECK(event.type == EventType::WindowDestroyed);
}
