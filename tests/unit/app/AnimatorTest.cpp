#include "app/Animator.h"

#include <utility>
#include <vector>

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
        a.value = 0.7f;  // restart starts from `from`, whatever the value was
        a.from = from, a.to = to, a.speed = speed, a.pingPong = pingPong;
        a.restart();
        return a;
    }
};

}  // namespace

// Each row: the animator, the advances made (0 also while paused), what it holds after them.
TEST_F(AnimatorTest, MovesLinearlyAndStopsOrTurnsAtTheTarget) {
    const struct Row {
        float from, to, speed;
        bool pingPong;
        std::vector<uint32_t> steps;
        float value, nextFrom, nextSpeed;
        bool active;
    } rows[] = {
        {0, 1, 0.001f, false, {}, 0.0f, 0, 0.001f, true},
        {0, 1, 0.001f, false, {400}, 0.4f, 0, 0.001f, true},
        {0, 1, 0.001f, false, {400, 700}, 1.0f, 0, 0.001f, false},  // 1.1 would overshoot
        {1, 0, -0.002f, false, {600}, 0.0f, 1, -0.002f, false},
        {2, 1, 0.004f, false, {0}, 1.0f, 2, 0.004f, false},      // already past: the first advance snaps
        {0, 1, 0.0f, false, {10}, 1.0f, 0, 0.0f, false},         // speed 0 counts as moving down
        {0, 1, 0.001f, true, {1500}, 1.0f, 1, -0.001f, true},    // turns; the surplus time is dropped
        {0, 1, 0.001f, true, {1500, 250}, 0.75f, 1, -0.001f, true},
    };
    for (const Row& row : rows) {
        Animator a = moving(row.from, row.to, row.speed, row.pingPong);
        uint32_t total = 0;
        for (uint32_t step : row.steps) {
            EXPECT_EQ(a.advance(step), step);
            total += step;
        }
        SCOPED_TRACE(testing::Message() << row.from << " to " << row.to << " after " << total << " ms");
        EXPECT_FLOAT_EQ(a.value, row.value);
        EXPECT_EQ(a.active, row.active);
        EXPECT_EQ(a.lastTick, 5000u + total);
        EXPECT_FLOAT_EQ(a.from, row.nextFrom);
        EXPECT_FLOAT_EQ(a.speed, row.nextSpeed);
    }
}

// An inactive advance changes nothing, so a paused owner receives the whole interval on its next
// active advance.
TEST_F(AnimatorTest, APauseKeepsItsTime) {
    EXPECT_FALSE(Animator().active);
    Animator paused = moving(0.0f, 1.0f, 0.001f);
    paused.active = false;
    EXPECT_EQ(paused.advance(700), 700u);
    EXPECT_EQ(std::make_pair(paused.value, paused.lastTick), std::make_pair(0.0f, 5000u));
    paused.active = true;
    fakeTick = 5900;
    paused.advance(fakeTick - paused.lastTick);
    EXPECT_FLOAT_EQ(paused.value, 0.9f);
    EXPECT_EQ(paused.lastTick, 5900u);
}
