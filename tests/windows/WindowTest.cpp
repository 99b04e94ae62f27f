// The real Windows backend with a real window: the class, the window's size and styles, and the
// way a close request, the destroyed window and the quit message reach the game.
#include <gtest/gtest.h>

#include "platform/win32/Win32.h"
#include "tests/support/PlatformEvents.h"

using platform::Event;
using platform::EventType;

namespace {

const wchar_t* const testClass = L"TallixWindowTest";

class Win32Window : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Real);
        ASSERT_TRUE(platform::registerWindowClass(testClass));
    }
    void TearDown() override {
        platform::unregisterWindowClass(testClass);
        Event event;
        while (platform::pollEvent(event)) {}
    }

    // The next event the game receives (testsupport::describe), or "none" when the queue stays
    // dry. Messages still on their way (posted, not yet dispatched) are waited for a little.
    static std::string next() {
        Event event;
        for (int dry = 0; dry < 50; ++dry) {
            if (platform::pollEvent(event)) return testsupport::describe(event);
            Sleep(10);
        }
        return "none";
    }

    // Polls until an event of that kind arrives ("paint", "close", ...); false if none does.
    static bool nextOfKind(const std::string& kind) {
        for (std::string event = next(); event != "none"; event = next())
            if (event.compare(0, kind.size(), kind) == 0) return true;
        return false;
    }

    static platform::DisplaySettings windowed(int width, int height) {
        platform::DisplaySettings settings;
        settings.width = width;
        settings.height = height;
        return settings;
    }

    static HWND window() { return FindWindowW(testClass, nullptr); }
};

}  // namespace

TEST_F(Win32Window, OneClassAtATimeAndAFixedWindowOfTheClientSize) {
    EXPECT_TRUE(platform::registerWindowClass(testClass));
    EXPECT_FALSE(platform::registerWindowClass(L"AnotherClass"));
    ASSERT_TRUE(platform::createMainWindow(L"Window Test", windowed(640, 480)));
    HWND shown = window();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(IsWindowVisible(shown));  // shown by showMainWindow only
    RECT client;
    GetClientRect(shown, &client);
    EXPECT_EQ(client.right - client.left, 640);
    EXPECT_EQ(client.bottom - client.top, 480);
    LONG style = GetWindowLongW(shown, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(platform::videoDriverName(), "windows");
    platform::destroyMainWindow();
    EXPECT_FALSE(IsWindow(shown));
    platform::unregisterWindowClass(testClass);
    EXPECT_TRUE(platform::registerWindowClass(L"AnotherClass"));
    platform::unregisterWindowClass(L"AnotherClass");
}

TEST_F(Win32Window, FullScreenWindowIsAPopUpAtTheScreensCorner) {
    platform::DisplaySettings settings = windowed(320, 200);
    settings.fullScreen = true;
    ASSERT_TRUE(platform::createMainWindow(L"Window Test", settings));
    HWND shown = window();
    ASSERT_NE(shown, nullptr);
    LONG style = GetWindowLongW(shown, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(style & WS_CAPTION, 0);
    RECT outer;
    GetWindowRect(shown, &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    platform::unregisterWindowClass(testClass);  // takes the window with it
    EXPECT_FALSE(IsWindow(shown));
}

// The game frees its GL objects after a close request destroyed the window, so the context must
// outlive the window until the game releases it.
TEST_F(Win32Window, CloseRequestGoesThroughTheGameAndTheContextOutlivesTheWindow) {
    ASSERT_TRUE(platform::createMainWindow(L"Window Test", windowed(320, 240)));
    HWND shown = window();
    platform::createGLContext(windowed(320, 240));
    EXPECT_NE(wglGetCurrentContext(), nullptr);
    EXPECT_NE(platform::glProcAddress("glClear"), nullptr);
    platform::setSwapInterval(0);  // may be refused; must not fail anything
    platform::showMainWindow();
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_TRUE(nextOfKind("paint"));

    PostMessageW(shown, WM_CLOSE, 0, 0);
    EXPECT_TRUE(nextOfKind("close"));
    EXPECT_TRUE(IsWindow(shown));  // the game decides
    Event close;
    close.type = EventType::CloseRequested;
    platform::defaultProcessing(close);
    EXPECT_TRUE(nextOfKind("destroyed"));
    EXPECT_FALSE(IsWindowVisible(shown));
    EXPECT_NE(wglGetCurrentContext(), nullptr);
    platform::postQuit(3);
    EXPECT_EQ(next(), "quit 3");

    platform::releaseGLContext();
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_FALSE(IsWindow(shown));
    platform::destroyMainWindow();  // already gone: nothing more happens
    EXPECT_EQ(next(), "none");
}

TEST_F(Win32Window, DispatchedMessagesReachTheGameInOrderOnceEach) {
    ASSERT_TRUE(platform::createMainWindow(L"Window Test", windowed(320, 240)));
    HWND shown = window();
    while (next() != "none") {}
    PostMessageW(shown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    PostMessageW(shown, WM_RBUTTONUP, 0, MAKELPARAM(30, 40));
    PostMessageW(shown, WM_KEYDOWN, VK_F2, 0);
    EXPECT_EQ(next(), "press 0 10,20");
    EXPECT_EQ(next(), "release 2 30,40");
    EXPECT_EQ(next(), "key F2");
    platform::destroyMainWindow();  // no context: destroyed at once, and reported
    EXPECT_EQ(next(), "destroyed");
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(next(), "none");
}

TEST(Win32Backend, CursorCounterClocksAndTheNullBackendBesideIt) {
    platform::selectBackend(platform::Backend::Real);
    int hidden = platform::showCursor(false);
    EXPECT_EQ(platform::showCursor(true), hidden + 1);
    int x = -1, y = -1;
    EXPECT_TRUE(platform::getCursorPos(x, y));
    // The tick moves (no claim on how far or how soon: Wine updates it from another process).
    uint32_t before = platform::tickCount();
    for (int i = 0; i < 500 && platform::tickCount() == before; ++i) Sleep(10);
    EXPECT_NE(platform::tickCount(), before);
    EXPECT_NE(platform::multimediaTime(), 0u);
    platform::selectBackend(platform::Backend::Null);
    EXPECT_EQ(platform::videoDriverName(), "null");
    platform::selectBackend(platform::Backend::Real);
    EXPECT_EQ(platform::videoDriverName(), "windows");
}
