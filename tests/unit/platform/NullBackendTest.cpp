// The null backend the shell and game tests run on: its scripted queue, its call log, the events
// it queues itself, the cursor counter and the clocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/NullBackend.h"
#include "platform/Platform.h"

using platform::Event;
using platform::EventType;
namespace null = platform::null;

namespace {

class NullBackend : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        null::reset();
    }
    void TearDown() override {
        platform::overrideClocks(nullptr, nullptr);
        platform::selectBackend(platform::Backend::Real);
    }

    static Event make(EventType type, int x = 0, int y = 0) {
        Event event;
        event.type = type;
        event.x = x;
        event.y = y;
        return event;
    }

    // Polls until the queue is empty; the types in the order they came.
    static std::vector<EventType> drain() {
        std::vector<EventType> types;
        Event event;
        while (platform::pollEvent(event)) types.push_back(event.type);
        return types;
    }

    // The start-up sequence of a windowed game.
    static void openWindow() {
        ASSERT_TRUE(platform::registerWindowClass(L"Class"));
        ASSERT_TRUE(platform::createMainWindow(L"Title", platform::DisplaySettings()));
        platform::createGLContext(platform::DisplaySettings());
    }
};

uint32_t fixedTick() { return 1234; }
uint32_t fixedMultimedia() { return 99; }

}  // namespace

TEST_F(NullBackend, ScriptedEventsComeOutInOrderWithTheirFields) {
    Event wheel = make(EventType::Wheel);
    wheel.wheelDelta = -120;
    Event press = make(EventType::ButtonPressed, 5, 6);
    press.button = 2;
    null::pushEvent(make(EventType::PointerMoved, 1, 2));
    null::pushEvent(press);
    null::pushEvent(wheel);
    EXPECT_EQ(null::pendingEvents(), 3u);

    Event out;
    ASSERT_TRUE(platform::pollEvent(out));
    EXPECT_EQ(out.type, EventType::PointerMoved);
    EXPECT_EQ(out.x, 1);
    EXPECT_EQ(out.y, 2);
    ASSERT_TRUE(platform::pollEvent(out));
    EXPECT_EQ(out.type, EventType::ButtonPressed);
    EXPECT_EQ(out.button, 2);
    ASSERT_TRUE(platform::pollEvent(out));
    EXPECT_EQ(out.wheelDelta, -120);
    EXPECT_FALSE(platform::pollEvent(out));
    EXPECT_FALSE(platform::pollEvent(out));  // stays empty, never waits
    EXPECT_EQ(null::pendingEvents(), 0u);
}

TEST_F(NullBackend, QuitAndDestroyedWindowOvertakeTheScript) {
    openWindow();
    null::pushEvent(make(EventType::PointerMoved));
    platform::destroyMainWindow();
    platform::postQuit(7);

    Event out;
    ASSERT_TRUE(platform::pollEvent(out));
    EXPECT_EQ(out.type, EventType::WindowDestroyed);
    ASSERT_TRUE(platform::pollEvent(out));
    EXPECT_EQ(out.type, EventType::Quit);
    EXPECT_EQ(out.quitCode, 7);
    EXPECT_EQ(drain(), std::vector<EventType>{EventType::PointerMoved});
}

TEST_F(NullBackend, WindowIsDestroyedOnceWhetherClosedOrTornDown) {
    openWindow();
    platform::defaultProcessing(make(EventType::CloseRequested));
    EXPECT_FALSE(null::windowExists());
    platform::destroyMainWindow();  // the teardown's own destroy finds nothing left
    platform::defaultProcessing(make(EventType::CloseRequested));
    EXPECT_EQ(drain(), std::vector<EventType>{EventType::WindowDestroyed});
}

TEST_F(NullBackend, UnregisteringTheClassDropsItsPendingEventsButNotTheScript) {
    openWindow();
    null::pushEvent(make(EventType::PointerMoved));
    platform::destroyMainWindow();
    platform::unregisterWindowClass(L"Other");  // not ours: nothing happens
    EXPECT_EQ(null::pendingEvents(), 2u);
    platform::unregisterWindowClass(L"Class");
    EXPECT_EQ(drain(), std::vector<EventType>{EventType::PointerMoved});
}

TEST_F(NullBackend, DefaultProcessingIgnoresEverythingButClose) {
    openWindow();
    for (EventType type :
         {EventType::PointerMoved, EventType::ButtonReleased, EventType::Wheel,
          EventType::KeyPressed, EventType::Paint, EventType::WindowDestroyed, EventType::Quit}) {
        platform::defaultProcessing(make(type));
    }
    EXPECT_TRUE(null::windowExists());
    EXPECT_TRUE(drain().empty());
}

TEST_F(NullBackend, ShowingTheWindowPaintsItOnce) {
    openWindow();
    platform::showMainWindow();
    EXPECT_EQ(drain(), std::vector<EventType>{EventType::Paint});
}

TEST_F(NullBackend, CallLogFollowsStartUpAndTeardown) {
    platform::DisplaySettings settings;
    settings.width = 640;
    settings.fullScreen = true;
    ASSERT_TRUE(platform::registerWindowClass(L"PelomiCN"));
    ASSERT_TRUE(platform::createMainWindow(L"Title", settings));
    platform::bringToForeground();
    platform::switchDisplayMode(settings);
    platform::createGLContext(settings);
    EXPECT_TRUE(null::contextCurrent());
    EXPECT_TRUE(platform::setSwapInterval(1));
    platform::showMainWindow();
    platform::swapBuffers();
    platform::swapBuffers();
    EXPECT_EQ(platform::glProcAddress("glCompressedTexImage2D"), nullptr);
    platform::releaseGLContext();
    platform::destroyMainWindow();
    platform::unregisterWindowClass(L"PelomiCN");

    std::vector<std::string> expected{
        "registerWindowClass", "createMainWindow",     "bringToForeground", "switchDisplayMode",
        "createGLContext",     "setSwapInterval",      "showMainWindow",    "releaseGLContext",
        "destroyMainWindow",   "unregisterWindowClass"};
    EXPECT_EQ(null::calls(), expected);
    EXPECT_EQ(null::swapCount(), 2u);
    EXPECT_EQ(null::swapInterval(), 1);
    EXPECT_FALSE(null::contextCurrent());
    EXPECT_EQ(null::windowClassName(), L"PelomiCN");
    EXPECT_EQ(null::windowTitle(), L"Title");
    EXPECT_EQ(null::windowSettings().width, 640);
    EXPECT_TRUE(null::windowSettings().fullScreen);
}

TEST_F(NullBackend, FailuresAreOnlyWhereATestAsksForThem) {
    null::failClassRegistration(true);
    EXPECT_FALSE(platform::registerWindowClass(L"Class"));
    EXPECT_FALSE(platform::createMainWindow(L"Title", platform::DisplaySettings()));  // no class
    null::failClassRegistration(false);
    ASSERT_TRUE(platform::registerWindowClass(L"Class"));
    null::failWindowCreation(true);
    EXPECT_FALSE(platform::createMainWindow(L"Title", platform::DisplaySettings()));
    EXPECT_FALSE(null::windowExists());
    platform::createGLContext(platform::DisplaySettings());
    EXPECT_FALSE(null::contextCurrent());  // no window, no context

    null::reset();
    openWindow();
    null::refuseSwapInterval(true);
    EXPECT_FALSE(platform::setSwapInterval(1));
    EXPECT_EQ(null::swapInterval(), -1);
}

TEST_F(NullBackend, ErrorBoxesAndLinksAreRecorded) {
    platform::errorBox(L"Failed To Register The Window Class (1)", L"Error");
    platform::openExternal("mailto:someone@example.com");
    platform::openExternal("http://example.com/?game");
    EXPECT_EQ(null::errorBoxes(),
              std::vector<std::wstring>{L"Failed To Register The Window Class (1)"});
    EXPECT_EQ(null::errorBoxCaptions(), std::vector<std::wstring>{L"Error"});
    EXPECT_EQ(null::openedTargets(),
              (std::vector<std::string>{"mailto:someone@example.com", "http://example.com/?game"}));
    EXPECT_EQ(null::calls(), std::vector<std::string>{"errorBox"});
}

TEST_F(NullBackend, CursorCounterWorksLikeTheWin32DisplayCounter) {
    EXPECT_EQ(platform::showCursor(false), -1);
    EXPECT_EQ(platform::showCursor(false), -2);
    EXPECT_EQ(platform::showCursor(true), -1);  // still hidden: one hide too many
    EXPECT_EQ(platform::showCursor(true), 0);
    EXPECT_EQ(platform::showCursor(true), 1);
    EXPECT_EQ(null::cursorCounter(), 1);
}

TEST_F(NullBackend, PointerEventsMoveTheScreenCursorWhenPolled) {
    platform::setCursorPos(300, 200);
    null::pushEvent(make(EventType::ButtonPressed, 40, 50));
    int x = 0, y = 0;
    ASSERT_TRUE(platform::getCursorPos(x, y));
    EXPECT_EQ(x, 300);  // not before it is polled
    EXPECT_EQ(y, 200);
    Event out;
    ASSERT_TRUE(platform::pollEvent(out));
    ASSERT_TRUE(platform::getCursorPos(x, y));
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 50);
}

TEST_F(NullBackend, FakeClockDrivesBothClocksAndWraps) {
    EXPECT_EQ(platform::tickCount(), 0u);
    null::setTime(0xFFFFFF00u);
    null::advanceTime(0x200);
    EXPECT_EQ(platform::tickCount(), 0x100u);
    EXPECT_EQ(platform::multimediaTime(), 0x100u);
}

TEST_F(NullBackend, OverriddenClocksWinUntilRestored) {
    null::setTime(500);
    platform::overrideClocks(fixedTick, nullptr);
    EXPECT_EQ(platform::tickCount(), 1234u);
    EXPECT_EQ(platform::multimediaTime(), 500u);
    platform::overrideClocks(nullptr, fixedMultimedia);
    EXPECT_EQ(platform::tickCount(), 500u);
    EXPECT_EQ(platform::multimediaTime(), 99u);

    // the override sits above whichever backend is chosen
    platform::selectBackend(platform::Backend::Real);
    EXPECT_EQ(platform::currentBackend(), platform::Backend::Real);
    EXPECT_EQ(platform::multimediaTime(), 99u);
}

TEST_F(NullBackend, ResetForgetsEverything) {
    openWindow();
    null::pushEvent(make(EventType::Paint));
    platform::postQuit(0);
    platform::showCursor(false);
    platform::errorBox(L"text", L"caption");
    null::advanceTime(10);
    null::failWindowCreation(true);
    null::reset();

    EXPECT_EQ(null::pendingEvents(), 0u);
    EXPECT_TRUE(null::calls().empty());
    EXPECT_TRUE(null::errorBoxes().empty());
    EXPECT_EQ(null::cursorCounter(), 0);
    EXPECT_EQ(platform::tickCount(), 0u);
    EXPECT_FALSE(null::windowExists());
    EXPECT_TRUE(platform::registerWindowClass(L"Class"));
    EXPECT_TRUE(platform::createMainWindow(L"Title", platform::DisplaySettings()));
}
