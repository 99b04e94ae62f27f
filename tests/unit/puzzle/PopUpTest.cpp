// The pop-up without GL: layouts, the opening animation, fading with distance, hover and choices.
#include "puzzle/PopUp.h"

#include <cmath>

#include "PuzzleTestSupport.h"

using namespace puzzletest;

namespace {

// A cell in a run of 9 with one other empty cell, so writes show up in the run's sum.
class PopUpTest : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        platform::null::reset();
        platform::null::setTime(50000);
        run.cells = {&cell, &other};
        cell.acrossRun = other.acrossRun = &run;
    }

    // Opens at (0.5, 0.4) and lets the opening animation end as the frames would.
    void openFinished(PPopUp& popUp, bool markMode) {
        popUp.openAt(&cell, cx, cy, markMode);
        platform::null::advanceTime(250);
        popUp.placeItems(popUp.advanceScale());
    }

    // The pointer at a distance from the centre, straight to the right.
    void moveOut(PPopUp& popUp, float d) { popUp.mouseMove(cx + d, cy); }

    const float cx = 0.5f;
    const float cy = 0.4f;
    PCellHeader clue{9, 0};
    ::Run run{9, runAcross, &clue};
    PCellActive cell;
    PCellActive other;
    PPopUp ring{PPopUp::ring};
    PPopUp keypad{PPopUp::keypad};
};

}  // namespace

// Ring: 1 just right of the top, clockwise, 5 straight below, 9 just left of the top.
// Keypad: 1 2 3 on the top row, 5 at the centre.
TEST_F(PopUpTest, LayoutsPlaceTheDigitsWhereThePlayerExpectsThem) {
    const auto& ringItems = ring.items();
    ASSERT_EQ(ringItems.size(), 10u);
    EXPECT_GT(ringItems[1].baseX, 0.0f);
    EXPECT_GT(ringItems[1].baseY, 0.046f);
    EXPECT_NEAR(ringItems[5].baseX, 0.0f, 1e-6);
    EXPECT_NEAR(ringItems[5].baseY, -0.05f, 1e-6);
    EXPECT_LT(ringItems[9].baseX, 0.0f);
    EXPECT_GT(ringItems[9].baseY, 0.046f);
    const auto& keys = keypad.items();
    EXPECT_FLOAT_EQ(keys[1].x, -0.036f);
    EXPECT_FLOAT_EQ(keys[1].y, 0.036f);
    EXPECT_FLOAT_EQ(keys[5].x, 0.0f);
    EXPECT_FLOAT_EQ(keys[9].y, -0.036f);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(keys[i].value, i);
}

TEST_F(PopUpTest, RingGrowsOutOfTheCentre) {
    ring.openAt(&cell, cx, cy, false);
    EXPECT_TRUE(ring.isOpen());
    EXPECT_EQ(ring.hoveredItem(), &ring.items()[0]);
    ring.placeItems(ring.advanceScale());
    EXPECT_FLOAT_EQ(ring.scale(), 0.0f);
    EXPECT_FLOAT_EQ(ring.items()[3].x, 0.0f);
    platform::null::advanceTime(125);
    ring.placeItems(ring.advanceScale());
    EXPECT_NEAR(ring.scale(), 0.5f, 1e-6);
    platform::null::advanceTime(125);
    ring.placeItems(ring.advanceScale());
    EXPECT_FLOAT_EQ(ring.scale(), 1.0f);
    EXPECT_FLOAT_EQ(ring.items()[3].x, ring.items()[3].baseX);
    platform::null::advanceTime(1000);
    EXPECT_FLOAT_EQ(ring.advanceScale(), 1.0f);
}

TEST_F(PopUpTest, ScaleFallsFromTheInnerCircleToTheReach) {
    openFinished(ring, false);
    moveOut(ring, 0.03f);
    EXPECT_FLOAT_EQ(ring.scale(), 1.0f);
    moveOut(ring, 0.07f);
    EXPECT_NEAR(ring.scale(), 1.0f, 1e-4);
    moveOut(ring, 0.09f);
    EXPECT_NEAR(ring.scale(), 0.5f, 1e-4);
    EXPECT_TRUE(ring.isOpen());
    moveOut(ring, 0.03f);  // back inside: full size again
    EXPECT_FLOAT_EQ(ring.scale(), 1.0f);
    moveOut(ring, 0.1099f);
    EXPECT_TRUE(ring.isOpen());
    moveOut(ring, 0.1101f);
    EXPECT_FALSE(ring.isOpen());
}

TEST_F(PopUpTest, PointerInsideLeavesTheOpeningAnimationAlone) {
    ring.openAt(&cell, cx, cy, false);
    platform::null::advanceTime(50);
    ring.advanceScale();
    moveOut(ring, 0.01f);
    EXPECT_NEAR(ring.scale(), 0.2f, 1e-6);
    moveOut(ring, 0.09f);  // outside the inner circle the distance takes over and the growth stops
    platform::null::advanceTime(100);
    EXPECT_NEAR(ring.advanceScale(), 0.5f, 1e-4);
}

TEST_F(PopUpTest, RingCentreClearsTheCellInDigitMode) {
    cell.setValue(7);
    other.setValue(2);
    run.updateState();
    ring.openAt(&cell, cx, cy, false);
    ring.mouseMove(cx, cy);
    EXPECT_TRUE(ring.isInside(cx + 0.0699f, cy));  // inner circle plus half an item
    EXPECT_FALSE(ring.isInside(cx + 0.0701f, cy));
    ring.buttonDown(cx, cy, 0);
    EXPECT_EQ(cell.value, 0);
    EXPECT_EQ(run.currentSum, 2);
    EXPECT_FALSE(ring.isOpen());
}

TEST_F(PopUpTest, RingDigitUnderThePointerIsWrittenByAnyButton) {
    openFinished(ring, false);
    const PPopUp::Item& seven = ring.items()[7];
    ring.mouseMove(cx + seven.x, cy + seven.y);
    EXPECT_EQ(ring.hoveredItem(), &seven);
    ring.buttonDown(cx + seven.x, cy + seven.y, 2);
    EXPECT_EQ(cell.value, 7);
    EXPECT_EQ(run.currentSum, 7);
    EXPECT_FALSE(ring.isOpen());
}

TEST_F(PopUpTest, KeypadHoverFollowsTheThreeByThreeGrid) {
    openFinished(keypad, true);
    EXPECT_EQ(keypad.hoveredItem(), &keypad.items()[5]);
    const float step = keypad.itemSize();
    struct Probe { float dx, dy; int item; };
    for (Probe probe : {Probe{-step, step, 1}, Probe{0, step, 2}, Probe{step, step, 3}, Probe{-step, 0, 4},
                        Probe{0, 0, 5}, Probe{step * 1.4f, -step * 1.4f, 9}, Probe{0, -step, 8}}) {
        keypad.mouseMove(cx + probe.dx, cy + probe.dy);
        ASSERT_NE(keypad.hoveredItem(), nullptr);
        EXPECT_EQ(keypad.hoveredItem()->value, probe.item);
    }
    keypad.mouseMove(cx + step * 1.6f, cy);  // beyond the grid, still within reach
    EXPECT_TRUE(keypad.isOpen());
    EXPECT_EQ(keypad.hoveredItem(), nullptr);
}

TEST_F(PopUpTest, LeftTogglesMarksMiddleWritesRightCloses) {
    cell.marks[1] = true;
    openFinished(keypad, true);
    EXPECT_TRUE(keypad.items()[2].marked);
    EXPECT_FALSE(keypad.items()[4].marked);
    const float fourX = cx - keypad.itemSize();
    keypad.mouseMove(fourX, cy);
    keypad.buttonDown(fourX, cy, 0);
    EXPECT_TRUE(cell.marks[3]);
    EXPECT_TRUE(keypad.items()[4].marked);
    EXPECT_TRUE(keypad.isOpen());
    keypad.buttonDown(fourX, cy, 0);
    EXPECT_FALSE(cell.marks[3]);
    EXPECT_TRUE(keypad.isOpen());
    keypad.buttonDown(fourX, cy, 1);
    EXPECT_EQ(cell.value, 4);
    EXPECT_EQ(run.currentSum, 4);
    EXPECT_FALSE(keypad.isOpen());

    openFinished(keypad, true);
    keypad.mouseMove(fourX, cy);
    keypad.buttonDown(fourX, cy, 2);
    EXPECT_FALSE(keypad.isOpen());
    EXPECT_EQ(cell.value, 4);
    EXPECT_FALSE(cell.marks[3]);
}

TEST_F(PopUpTest, PressWithNothingHoveredChangesNothing) {
    openFinished(keypad, true);
    keypad.mouseMove(cx + keypad.itemSize() * 1.6f, cy);
    ASSERT_EQ(keypad.hoveredItem(), nullptr);
    keypad.buttonDown(cx, cy, 0);
    keypad.buttonDown(cx, cy, 1);
    EXPECT_TRUE(keypad.isOpen());
    EXPECT_EQ(cell.value, 0);
    EXPECT_EQ(cell.marks, (std::array<bool, 9>{}));
}

TEST_F(PopUpTest, DigitModeShowsNoMarks) {
    cell.marks.fill(true);
    keypad.openAt(&cell, cx, cy, false);
    for (const auto& item : keypad.items()) EXPECT_FALSE(item.marked);
    keypad.buttonDown(cx, cy, 0);  // item 5 hovered at opening: digit mode writes it
    EXPECT_EQ(cell.value, 5);
}

TEST_F(PopUpTest, ClearingItemNeverTogglesAMark) {
    ring.openAt(&cell, cx, cy, true);  // the ring in mark mode: its centre item has no mark
    ring.buttonDown(cx, cy, 0);
    EXPECT_TRUE(ring.isOpen());
    EXPECT_EQ(cell.marks, (std::array<bool, 9>{}));
}
