// The bookkeeping of one run: which entries put it in error and which complete it.
#include "puzzle/Run.h"

#include <gtest/gtest.h>

#include "puzzle/Cells.h"

namespace {

// A run with target 10 over two playable cells.
class RunTest : public testing::Test {
protected:
    RunTest() {
        run.cells = {&first, &second};
        first.acrossRun = second.acrossRun = &run;
    }
    void fill(int a, int b) {
        first.setValue(a);
        second.setValue(b);
        run.updateState();
    }

    PCellHeader clue{10, 0};
    ::Run run{10, runAcross, &clue};
    PCellActive first, second;
};

TEST_F(RunTest, EntriesAgainstTheTargetAndTheCellsTheyMarkWrong) {
    struct Row { int a, b, sum; bool complete, over, duplicate, inError, satisfied; };
    for (Row row : {Row{3, 7, 10, true, false, false, false, true}, Row{3, 3, 6, true, false, true, true, false},
                    Row{9, 0, 9, false, false, false, false, false}, Row{9, 5, 14, true, true, false, true, false},
                    Row{2, 5, 7, true, false, false, true, false},  // both filled, short of the target
                    Row{0, 0, 0, false, false, false, false, false}}) {  // two empty cells are no duplicate
        fill(row.a, row.b);
        SCOPED_TRACE(testing::Message() << row.a << " + " << row.b);
        EXPECT_EQ(run.currentSum, row.sum);
        EXPECT_EQ(run.complete, row.complete);
        EXPECT_EQ(run.over, row.over);
        EXPECT_EQ(run.duplicate, row.duplicate);
        EXPECT_EQ(run.inError(), row.inError);
        EXPECT_EQ(run.satisfied(), row.satisfied);
    }

    // A cell shows wrong when either of its runs is in error.
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

}  // namespace
