// The bookkeeping of one run: which entries put it in error and which complete it.
#include "puzzle/Run.h"

#include <gtest/gtest.h>

#include "puzzle/Cells.h"

namespace {

// A run with target 10 over two playable cells.
class RunTest : public testing::Test {
protected:
    RunTest() : clue(10, 0), run(10, runAcross, &clue) {
        run.cells = {&first, &second};
        first.acrossRun = second.acrossRun = &run;
    }

    void fill(int a, int b) {
        first.setValue(a);
        second.setValue(b);
        run.updateState();
    }

    PCellHeader clue;
    ::Run run;
    PCellActive first, second;
};

}  // namespace

TEST_F(RunTest, TwoCellExamples) {
    fill(3, 7);
    EXPECT_TRUE(run.complete);
    EXPECT_FALSE(run.inError());
    EXPECT_TRUE(run.satisfied());

    fill(3, 3);
    EXPECT_TRUE(run.duplicate);
    EXPECT_TRUE(run.inError());

    fill(9, 0);
    EXPECT_FALSE(run.over);
    EXPECT_FALSE(run.complete);
    EXPECT_FALSE(run.inError());

    fill(9, 5);
    EXPECT_TRUE(run.over);
    EXPECT_TRUE(run.inError());

    fill(2, 5);
    EXPECT_TRUE(run.complete);
    EXPECT_EQ(run.currentSum, 7);
    EXPECT_TRUE(run.inError());
    EXPECT_FALSE(run.satisfied());

    fill(0, 0);  // two empty cells are no duplicate
    EXPECT_FALSE(run.duplicate || run.complete);
}

TEST_F(RunTest, CellShowsWrongWhenEitherRunIsInError) {
    ::Run down(3, runDown, &clue);
    down.cells = {&first};
    first.downRun = &down;
    fill(3, 7);
    EXPECT_FALSE(showsWrong(first));
    down.cells.push_back(&second);  // 3 + 7 in a run of 3: over
    down.updateState();
    EXPECT_TRUE(showsWrong(first));
    EXPECT_FALSE(showsWrong(second));  // its own down run is not this one
    run.reset();
    EXPECT_FALSE(run.complete || run.over || run.duplicate || run.currentSum != 0);
}
