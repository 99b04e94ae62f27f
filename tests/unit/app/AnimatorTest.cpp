#include "app/Animator.h"

#include <gtest/gtest.h>

#include "platform/Platform.h"

namespace {

uint32_t fakeTick = 0;
uint32_t readFakeTick() { return fakeTick; }

class AnimatorTest : public testing::Test {
protected:
    void SetUp() override {
        fakeTick = 5000;
        platform::overrideClocks(readFakeTick, nullptr);
    }
    void TearDown() override { platform::overrideClocks(nullptr, nullptr); }

    static Animator moving(float from, float to, float speed, bool pingPong = false) {
        Animator a;
        a.from = from;
        a.to = to;
        a.speed = speed;
        a.pingPong = pingPong;
        a.restart();
        return a;
    }
};

}  // namespace

TEST_F(AnimatorTest, RestartStartsFromTheCurrentTick) {
    Animator a;
    EXPECT_FALSE(a.active);
    a.value = 0.7f;
    a.from = 0.2f;
    a.restart();
    EXPECT_TRUE(a.active);
    EXPECT_FLOAT_EQ(a.value, 0.2f);
    EXPECT_EQ(a.lastTick, 5000u);
}

TEST_F(AnimatorTest, MovesLinearlyAndFollowsTheClock) {
    Animator a = moving(0.0f, 1.0f, 0.001f);
    EXPECT_EQ(a.advance(400), 400u);
    EXPECT_FLOAT_EQ(a.value, 0.4f);
    EXPECT_EQ(a.lastTick, 5400u);
    EXPECT_TRUE(a.active);

    a.advance(700);  // 1.1 would overshoot
    EXPECT_FLOAT_EQ(a.value, 1.0f);
    EXPECT_FALSE(a.active);

    Animator down = moving(1.0f, 0.0f, -0.002f);
    down.advance(600);
    EXPECT_FLOAT_EQ(down.value, 0.0f);
    EXPECT_FALSE(down.active);
}

TEST_F(AnimatorTest, FirstAdvanceSnapsWhenAlreadyPastOrStanding) {
    Animator beyond = moving(2.0f, 1.0f, 0.004f);
    beyond.advance(0);
    EXPECT_FLOAT_EQ(beyond.value, 1.0f);
    EXPECT_FALSE(beyond.active);

    Animator standing = moving(0.0f, 1.0f, 0.0f);  // speed 0 counts as moving down
    standing.advance(10);
    EXPECT_FLOAT_EQ(standing.value, 1.0f);
    EXPECT_FALSE(standing.active);
}

TEST_F(AnimatorTest, PingPongTurnsAndDropsTheSurplus) {
    Animator a = moving(0.0f, 1.0f, 0.001f, true);
    a.advance(1500);
    EXPECT_FLOAT_EQ(a.value, 1.0f);
    EXPECT_FLOAT_EQ(a.from, 1.0f);
    EXPECT_FLOAT_EQ(a.to, 0.0f);
    EXPECT_FLOAT_EQ(a.speed, -0.001f);
    EXPECT_TRUE(a.active);
    EXPECT_EQ(a.lastTick, 6500u);

    a.advance(250);  // on its way back
    EXPECT_FLOAT_EQ(a.value, 0.75f);
}

TEST_F(AnimatorTest, InactiveAdvanceChangesNothing) {
    Animator a = moving(0.0f, 1.0f, 0.001f);
    a.active = false;
    EXPECT_EQ(a.advance(700), 700u);
    EXPECT_FLOAT_EQ(a.value, 0.0f);
    EXPECT_EQ(a.lastTick, 5000u);

    // A paused owner receives the whole interval on its next active advance.
    a.active = true;
    fakeTick = 5900;
    a.advance(fakeTick - a.lastTick);
    EXPECT_FLOAT_EQ(a.value, 0.9f);
    EXPECT_EQ(a.lastTick, 5900u);
}
