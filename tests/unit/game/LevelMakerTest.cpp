// The worker that makes a new level: stopped at any point it ends on its own and hands nothing
// out; left alone it hands out the level the generator makes for the same options. These tests
// also run under ThreadSanitizer (the threads suite), built from the solver layer and the worker.
#include "game/LevelMaker.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "solver/LevelFile.h"

namespace {

levels::GeneratorOptions options(int difficulty, uint64_t seed) {
    levels::GeneratorOptions result;
    result.width = 12;
    result.height = 10;
    result.difficulty = difficulty;
    result.seed = seed;
    return result;
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
    maker.start(options(3, 7));
    ASSERT_EQ(settle(maker), CLevelMaker::State::Done);
    levels::GeneratedLevel made = maker.take();
    levels::GeneratedLevel direct;
    ASSERT_TRUE(levels::generateLevel(options(3, 7), direct));
    EXPECT_EQ(levels::encodeLevel(made.grid), levels::encodeLevel(direct.grid));
    EXPECT_EQ(maker.poll(), CLevelMaker::State::Idle);

    for (int delay : {0, 1, 3, 10, 30}) {
        maker.start(options(5, uint64_t(delay) + 1));
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        maker.cancel();
        EXPECT_EQ(maker.poll(), CLevelMaker::State::Idle) << delay;
        EXPECT_EQ(settle(maker), CLevelMaker::State::Idle) << delay;
    }
    maker.start(options(5, 99));  // a job still running when the maker goes: stopped and joined
}

// A new job replaces one still running; impossible options fail rather than hang.
TEST(CLevelMaker, ANewJobReplacesTheRunningOneAndImpossibleOptionsFail) {
    CLevelMaker maker;
    maker.start(options(5, 3));
    maker.start(options(1, 4));
    ASSERT_EQ(settle(maker), CLevelMaker::State::Done);
    EXPECT_EQ(levels::encodeLevel(maker.take().grid).size() > 8, true);
    levels::GeneratorOptions tiny = options(1, 1);
    tiny.width = tiny.height = 2;
    maker.start(tiny);
    EXPECT_EQ(settle(maker), CLevelMaker::State::Failed);
}
