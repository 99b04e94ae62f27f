// What the shell and game tests rely on in the null backend beyond its bookkeeping (which the
// shell's own tests check): the cursor counter, the screen cursor that scripted pointer events
// move, and clocks a test can drive or replace.
#include <gtest/gtest.h>

#include <utility>

#include "platform/NullBackend.h"
#include "platform/Platform.h"

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

uint32_t fixedTick() { return 1234; }
uint32_t fixedMultimedia() { return 99; }

}  // namespace

TEST_F(NullBackend, CursorCountsLikeWin32AndFollowsPolledPointerEvents) {
    for (auto [show, counter] : {std::pair{false, -1}, {false, -2}, {true, -1}, {true, 0}, {true, 1}})
        EXPECT_EQ(platform::showCursor(show), counter);
    EXPECT_EQ(null::cursorCounter(), 1);

    platform::setCursorPos(300, 200);
    platform::Event press{platform::EventType::ButtonPressed, 40, 50};
    null::pushEvent(press);
    int x = 0, y = 0;
    ASSERT_TRUE(platform::getCursorPos(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(300, 200));  // not before it is polled
    ASSERT_TRUE(platform::pollEvent(press));
    ASSERT_TRUE(platform::getCursorPos(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(40, 50));
}

TEST_F(NullBackend, FakeClockWrapsAndOverriddenClocksWinUntilRestored) {
    EXPECT_EQ(platform::tickCount(), 0u);
    null::setTime(0xFFFFFF00u);
    null::advanceTime(0x200);
    EXPECT_EQ(std::make_pair(platform::tickCount(), platform::multimediaTime()), std::make_pair(0x100u, 0x100u));
    null::setTime(500);
    platform::overrideClocks(fixedTick, nullptr);
    EXPECT_EQ(std::make_pair(platform::tickCount(), platform::multimediaTime()), std::make_pair(1234u, 500u));
    platform::overrideClocks(nullptr, fixedMultimedia);
    EXPECT_EQ(std::make_pair(platform::tickCount(), platform::multimediaTime()), std::make_pair(500u, 99u));
    platform::selectBackend(platform::Backend::Real);  // the override sits above either backend
    EXPECT_EQ(platform::currentBackend(), platform::Backend::Real);
    EXPECT_EQ(platform::multimediaTime(), 99u);
}
