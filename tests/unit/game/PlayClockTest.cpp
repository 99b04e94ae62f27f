// The play clock and the pacing of the solution test.
#include "game/PlayClock.h"

#include <gtest/gtest.h>

#include "app/Animator.h"
#include "platform/NullBackend.h"

namespace {

TEST(SolvedCheckTest, FirstCallOnlyStartsCounting) {
    SolvedCheck check;
    EXPECT_FALSE(check.due(5000));
    EXPECT_FALSE(check.due(6000));  // exactly a second is not more than a second
    EXPECT_TRUE(check.due(6001));
    EXPECT_FALSE(check.due(7001));
    EXPECT_TRUE(check.due(7002));
}

TEST(SolvedCheckTest, PlayTimeBelowTheLastCheckIsCheckedAtOnce) {
    SolvedCheck check;
    check.due(40000);
    EXPECT_TRUE(check.due(0));
    EXPECT_FALSE(check.due(900));
    EXPECT_TRUE(check.due(1001));
}

TEST(PlayTimeTest, AddsTheIntervalSinceTheClockLastMoved) {
    platform::selectBackend(platform::Backend::Null);
    platform::null::reset();
    platform::null::setTime(0xFFFFFF00u);  // the tick count wraps on the way
    Animator clock;
    clock.speed = 0.0001f;
    clock.pingPong = true;
    clock.restart();
    uint32_t playTime = 7;
    platform::null::advanceTime(0x200);
    EXPECT_EQ(advancePlayTime(clock, playTime), 0x200u);
    EXPECT_EQ(playTime, 0x207u);
    EXPECT_EQ(advancePlayTime(clock, playTime), 0u);
}

}  // namespace
