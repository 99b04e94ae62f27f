// The real Windows backend with a real window: the class, the window's size and styles, and the
// way a close request, the destroyed window and the quit message reach the game. Full screen,
// clicks and keys are played through by tools/test-windows.sh.
#include <gtest/gtest.h>

#include "platform/win32/Win32.h"
#include "tests/support/PlatformEvents.h"

using platform::Event;

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
        while (next(1) != "none") {}
    }

    // The next event the game receives (testsupport::describe), or "none" when the queue stays
    // dry. Messages still on their way (posted, not yet dispatched) are waited for a little.
    static std::string next(int tries = 50) {
        Event event;
        for (int dry = 0; dry < tries; ++dry, Sleep(10))
            if (platform::pollEvent(event)) return testsupport::describe(event);
        return "none";
    }

    // Polls until an event of that kind arrives ("paint", "close", ...); false if none does.
    static bool nextOfKind(const std::string& kind) {
        for (std::string event = next(); event != "none"; event = next())
            if (event.compare(0, kind.size(), kind) == 0) return true;
        return false;
    }

    static HWND window() { return FindWindowW(testClass, nullptr); }
};

}  // namespace

TEST_F(Win32Window, OneClassAtATimeAndAFixedWindowOfTheClientSize) {
    EXPECT_TRUE(platform::registerWindowClass(testClass));
    EXPECT_FALSE(platform::registerWindowClass(L"AnotherClass"));
    ASSERT_TRUE(platform::createMainWindow(L"Window Test", platform::DisplaySettings{640, 480}));
    HWND shown = window();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(IsWindowVisible(shown));  // shown by showMainWindow only
    RECT client;
    GetClientRect(shown, &client);
    EXPECT_EQ(std::make_pair(client.right - client.left, client.bottom - client.top), std::make_pair(640L, 480L));
    LONG style = GetWindowLongW(shown, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(platform::videoDriverName(), "windows");
    platform::destroyMainWindow();  // no context: destroyed at once, and reported
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_TRUE(nextOfKind("destroyed"));
    platform::unregisterWindowClass(testClass);
    EXPECT_TRUE(platform::registerWindowClass(L"AnotherClass"));
    platform::unregisterWindowClass(L"AnotherClass");
}

// The game frees its GL objects after a close request destroyed the window, so the context must
// outlive the window until the game releases it.
TEST_F(Win32Window, CloseRequestGoesThroughTheGameAndTheContextOutlivesTheWindow) {
    ASSERT_TRUE(platform::createMainWindow(L"Window Test", platform::DisplaySettings{320, 240}));
    HWND shown = window();
    platform::createGLContext(platform::DisplaySettings{320, 240});
    EXPECT_NE(wglGetCurrentContext(), nullptr);
    EXPECT_NE(platform::glProcAddress("glClear"), nullptr);
    platform::setSwapInterval(0);  // may be refused; must not fail anything
    platform::showMainWindow();
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_TRUE(nextOfKind("paint"));

    PostMessageW(shown, WM_CLOSE, 0, 0);
    EXPECT_TRUE(nextOfKind("close"));
    EXPECT_TRUE(IsWindow(shown));  // the game decides
    platform::defaultProcessing(Event{platform::EventType::CloseRequested});
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

TEST(Win32Backend, CursorCounterAndClocks) {
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
}
