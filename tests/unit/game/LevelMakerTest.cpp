// The worker that makes a new level: left alone it hands out the level the generator makes for the
// same options; stopped at any point, or replaced by a new job, it ends on its own and hands
// nothing out; options no level fits fail. Also run under ThreadSanitizer (the threads suite).
#include "game/LevelMaker.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "solver/LevelFile.h"

namespace {

levels::GeneratorOptions options(int difficulty, uint64_t seed, int side = 10) {
    return {side, side, difficulty, seed, 0, {}, nullptr};
}

CLevelMaker::State settle(CLevelMaker& maker) {
    CLevelMaker::State state;
    while ((state = maker.poll()) == CLevelMaker::State::Working) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return state;
}

}  // namespace

TEST(CLevelMaker, GivesTheGeneratorsLevelAndNothingOnceCancelled) {
    CLevelMaker maker;
    EXPECT_EQ(maker.poll(), CLevelMaker::State::Idle);
    maker.start(options(5, 3));
    maker.start(options(3, 7));  // replaces the first job
    ASSERT_EQ(settle(maker), CLevelMaker::State::Done);
    levels::GeneratedLevel direct;
    ASSERT_TRUE(levels::generateLevel(options(3, 7), direct));
    EXPECT_EQ(levels::encodeLevel(maker.take().grid), levels::encodeLevel(direct.grid));
    EXPECT_EQ(maker.poll(), CLevelMaker::State::Idle);
    for (int delay : {0, 1, 3, 10, 30}) {
        maker.start(options(5, uint64_t(delay) + 1));
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        maker.cancel();
        EXPECT_EQ(maker.poll(), CLevelMaker::State::Idle) << delay;
        EXPECT_EQ(settle(maker), CLevelMaker::State::Idle) << delay;
    }
    maker.start(options(1, 1, 2));
    EXPECT_EQ(settle(maker), CLevelMaker::State::Failed);
    maker.start(options(5, 99));  // still running when the maker goes: stopped and joined
}
