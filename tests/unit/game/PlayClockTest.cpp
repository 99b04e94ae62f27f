// The play clock and the pacing of the solution test.
#include "game/PlayClock.h"

#include <gtest/gtest.h>

#include "app/Animator.h"
#include "platform/NullBackend.h"

namespace {

// The first call only starts counting; a check is due more than a second after the last one, or
// at once when the play time went below it (a new attempt). Play time adds the interval since the
// clock last moved, across the wrap of the tick count.
TEST(PlayClockTest, SolvedCheckDueMoreThanASecondAfterTheLastAndPlayTimeAcrossTheWrap) {
    SolvedCheck check;
    for (auto [playTime, due] : {std::pair{5000u, false}, {6000u, false}, {6001u, true}, {7001u, false}, {7002u, true},
                                 {40000u, true}, {0u, true}, {900u, false}, {1001u, true}})
        EXPECT_EQ(check.due(playTime), due) << playTime;

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
