// The parts of the null backend that the shell and game tests rely on: window calls and a queue
// that behave as the real backend's, the cursor counter, the screen cursor that scripted pointer
// events move, and clocks a test can drive or replace. Its call log, error boxes and swap count
// are checked through the shell's own tests (tests/unit/app/ApplicationTest.cpp).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/NullBackend.h"
#include "platform/Platform.h"
#include "tests/support/PlatformEvents.h"

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
};

// Polls until the queue is empty (testsupport::describe).
std::vector<std::string> queued() {
    std::vector<std::string> events;
    platform::Event event;
    while (platform::pollEvent(event)) events.push_back(testsupport::describe(event));
    return events;
}

uint32_t fixedTick() { return 1234; }
uint32_t fixedMultimedia() { return 99; }

}  // namespace

// A window needs its class, a context its window; the backend's own events (paint on show, the
// destroyed window once, quit) overtake the script; unregistering the class drops them, not the
// script; reset forgets everything.
TEST_F(NullBackend, WindowAndQueueBehaveLikeTheRealBackend) {
    const platform::DisplaySettings settings;
    EXPECT_FALSE(platform::createMainWindow(L"Title", settings));
    ASSERT_TRUE(platform::registerWindowClass(L"Class"));
    platform::createGLContext(settings);
    EXPECT_FALSE(null::contextCurrent());
    ASSERT_TRUE(platform::createMainWindow(L"Title", settings));
    platform::createGLContext(settings);
    EXPECT_TRUE(null::contextCurrent());
    EXPECT_EQ(platform::glProcAddress("glCompressedTexImage2D"), nullptr);
    null::refuseSwapInterval(true);
    EXPECT_FALSE(platform::setSwapInterval(1));
    EXPECT_EQ(null::swapInterval(), -1);

    platform::Event event;
    event.type = platform::EventType::PointerMoved;
    null::pushEvent(event);
    platform::showMainWindow();
    event.type = platform::EventType::CloseRequested;
    platform::defaultProcessing(event);
    EXPECT_FALSE(null::windowExists());
    platform::destroyMainWindow();  // the teardown's own destroy finds nothing left
    platform::postQuit(7);
    EXPECT_EQ(queued(), (std::vector<std::string>{"paint", "destroyed", "quit 7", "move 0,0"}));

    event.type = platform::EventType::PointerMoved;
    null::pushEvent(event);
    platform::postQuit(0);
    platform::unregisterWindowClass(L"Other");  // not ours: nothing happens
    EXPECT_EQ(null::pendingEvents(), 2u);
    platform::unregisterWindowClass(L"Class");
    EXPECT_EQ(queued(), std::vector<std::string>{"move 0,0"});

    // reset forgets everything
    null::pushEvent(event);
    platform::showCursor(false);
    platform::errorBox(L"text", L"caption");
    platform::openExternal("http://example.com/");
    null::advanceTime(10);
    null::failWindowCreation(true);
    null::reset();
    EXPECT_EQ(null::pendingEvents(), 0u);
    EXPECT_TRUE(null::calls().empty() && null::errorBoxes().empty() && null::openedTargets().empty());
    EXPECT_EQ(null::cursorCounter(), 0);
    EXPECT_EQ(platform::tickCount(), 0u);
    EXPECT_TRUE(platform::registerWindowClass(L"Class") && platform::createMainWindow(L"Title", settings));
}

TEST_F(NullBackend, CursorCountsLikeWin32AndFollowsPolledPointerEvents) {
    EXPECT_EQ(platform::showCursor(false), -1);
    EXPECT_EQ(platform::showCursor(false), -2);
    EXPECT_EQ(platform::showCursor(true), -1);  // still hidden: one hide too many
    EXPECT_EQ(platform::showCursor(true), 0);
    EXPECT_EQ(platform::showCursor(true), 1);
    EXPECT_EQ(null::cursorCounter(), 1);

    platform::setCursorPos(300, 200);
    platform::Event press;
    press.type = platform::EventType::ButtonPressed;
    press.x = 40;
    press.y = 50;
    null::pushEvent(press);
    int x = 0, y = 0;
    ASSERT_TRUE(platform::getCursorPos(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(300, 200));  // not before it is polled
    platform::Event out;
    ASSERT_TRUE(platform::pollEvent(out));
    ASSERT_TRUE(platform::getCursorPos(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(40, 50));
}

TEST_F(NullBackend, FakeClockWrapsAndOverriddenClocksWinUntilRestored) {
    EXPECT_EQ(platform::tickCount(), 0u);
    null::setTime(0xFFFFFF00u);
    null::advanceTime(0x200);
    EXPECT_EQ(platform::tickCount(), 0x100u);
    EXPECT_EQ(platform::multimediaTime(), 0x100u);

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
