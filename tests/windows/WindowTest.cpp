// The real Windows backend with a real window: the class, the window's size and styles, and the
// way a close request, the destroyed window and the quit message reach the game.
#include "platform/Platform.h"
#include "platform/win32/Win32.h"
#include "tests/windows/Check.h"

namespace {

using platform::Event;
using platform::EventType;

const wchar_t* const testClass = L"TallixWindowTest";

// Polls until an event of that type arrives; false when the queue runs dry first. Messages that
// are still on their way (posted, not yet dispatched) are waited for a few times.
bool pollFor(EventType wanted, Event& event) {
    for (int dry = 0; dry < 50;) {
        if (!platform::pollEvent(event)) {
            ++dry;
            Sleep(10);
        } else if (event.type == wanted) {
            return true;
        }
    }
    return false;
}

void drain() {
    Event event;
    while (platform::pollEvent(event)) {}
}

platform::DisplaySettings windowed(int width, int height) {
    platform::DisplaySettings settings;
    settings.width = width;
    settings.height = height;
    return settings;
}

HWND testWindow() { return FindWindowW(testClass, nullptr); }

}  // namespace

TEST_CASE("window: one class at a time, a fixed window with the configured client size") {
    platform::selectBackend(platform::Backend::Real);
    REQUIRE(platform::registerWindowClass(testClass));
    CHECK(platform::registerWindowClass(testClass));
    CHECK(!platform::registerWindowClass(L"AnotherClass"));
    REQUIRE(platform::createMainWindow(L"Window Test", windowed(640, 480)));
    HWND window = testWindow();
    REQUIRE(window != nullptr);
    CHECK(!IsWindowVisible(window));  // shown by showMainWindow only
    RECT client;
    GetClientRect(window, &client);
    CHECK_EQ(client.right - client.left, 640);
    CHECK_EQ(client.bottom - client.top, 480);
    LONG style = GetWindowLongW(window, GWL_STYLE);
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
    CHECK(platform::videoDriverName() == "windows");
    platform::destroyMainWindow();
    CHECK(!IsWindow(window));
    platform::unregisterWindowClass(testClass);
    CHECK(platform::registerWindowClass(L"AnotherClass"));
    platform::unregisterWindowClass(L"AnotherClass");
    drain();
}

TEST_CASE("window: a full-screen window is a pop-up at the screen's corner") {
    REQUIRE(platform::registerWindowClass(testClass));
    platform::DisplaySettings settings = windowed(320, 200);
    settings.fullScreen = true;
    REQUIRE(platform::createMainWindow(L"Window Test", settings));
    HWND window = testWindow();
    REQUIRE(window != nullptr);
    LONG style = GetWindowLongW(window, GWL_STYLE);
    CHECK((style & WS_POPUP) != 0);
    CHECK((style & WS_CAPTION) == 0);
    RECT outer;
    GetWindowRect(window, &outer);
    CHECK_EQ(outer.left, 0);
    CHECK_EQ(outer.top, 0);
    platform::unregisterWindowClass(testClass);  // takes the window with it
    CHECK(!IsWindow(window));
    drain();
}

// The game frees its GL objects after a close request destroyed the window, so the context must
// outlive the window until the game releases it.
TEST_CASE("window: a close request goes through the game, the context outlives the window") {
    REQUIRE(platform::registerWindowClass(testClass));
    REQUIRE(platform::createMainWindow(L"Window Test", windowed(320, 240)));
    HWND window = testWindow();
    platform::createGLContext(windowed(320, 240));
    CHECK(wglGetCurrentContext() != nullptr);
    CHECK(platform::glProcAddress("glClear") != nullptr);
    platform::setSwapInterval(0);  // may be refused; must not fail anything
    platform::showMainWindow();
    CHECK(IsWindowVisible(window));
    Event event;
    CHECK(pollFor(EventType::Paint, event));

    PostMessageW(window, WM_CLOSE, 0, 0);
    CHECK(pollFor(EventType::CloseRequested, event));
    CHECK(IsWindow(window));  // the game decides
    platform::defaultProcessing(event);
    CHECK(pollFor(EventType::WindowDestroyed, event));
    CHECK(!IsWindowVisible(window));
    CHECK(wglGetCurrentContext() != nullptr);
    platform::postQuit(3);
    REQUIRE(pollFor(EventType::Quit, event));
    CHECK_EQ(event.quitCode, 3);

    platform::releaseGLContext();
    CHECK(wglGetCurrentContext() == nullptr);
    CHECK(!IsWindow(window));
    platform::destroyMainWindow();  // already gone: nothing more happens
    CHECK(!platform::pollEvent(event));
    platform::unregisterWindowClass(testClass);
}

TEST_CASE("window: dispatched messages reach the game in order, once each") {
    REQUIRE(platform::registerWindowClass(testClass));
    REQUIRE(platform::createMainWindow(L"Window Test", windowed(320, 240)));
    HWND window = testWindow();
    drain();
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    PostMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(30, 40));
    PostMessageW(window, WM_KEYDOWN, VK_F2, 0);
    Event event;
    REQUIRE(pollFor(EventType::ButtonPressed, event));
    CHECK_EQ(event.button, 0);
    CHECK_EQ(event.x, 10);
    CHECK_EQ(event.y, 20);
    REQUIRE(platform::pollEvent(event));
    CHECK(event.type == EventType::ButtonReleased);
    CHECK_EQ(event.button, 2);
    REQUIRE(platform::pollEvent(event));
    CHECK(event.type == EventType::KeyPressed);
    CHECK(event.key == platform::Key::F2);
    platform::destroyMainWindow();  // no context: destroyed at once, and reported
    CHECK(pollFor(EventType::WindowDestroyed, event));
    CHECK(!IsWindow(window));
    platform::unregisterWindowClass(testClass);
}

TEST_CASE("window: cursor counter, clocks and the null backend beside the real one") {
    int hidden = platform::showCursor(false);
    CHECK_EQ(platform::showCursor(true), hidden + 1);
    int x = -1, y = -1;
    CHECK(platform::getCursorPos(x, y));
    // The tick moves (no claim on how far or how soon: Wine updates it from another process).
    uint32_t before = platform::tickCount();
    for (int i = 0; i < 500 && platform::tickCount() == before; ++i) Sleep(10);
    CHECK(platform::tickCount() != before);
    CHECK(platform::multimediaTime() != 0);
    platform::selectBackend(platform::Backend::Null);
    CHECK(platform::videoDriverName() == "null");
    platform::selectBackend(platform::Backend::Real);
    CHECK(platform::videoDriverName() == "windows");
}
