// The pop-up without GL: layouts, the opening animation, fading with distance, hover and choices.
#include "puzzle/PopUp.h"

#include <cmath>
#include <tuple>

#include "tests/support/PlayFixtures.h"

namespace {

using Marks = std::array<bool, 9>;

// A cell in a run of 9 with one other empty cell, so writes show up in the run's sum; on the null
// backend's fake clock.
class PopUpTest : public testsupport::GameFolderTest {
protected:
    PopUpTest() {
        run.cells = {&cell, &other};
        cell.acrossRun = other.acrossRun = &run;
    }

    // Opens at (cx, cy) and lets the opening animation end as the frames would.
    void openFinished(PPopUp& popUp, bool markMode) {
        popUp.openAt(&cell, cx, cy, markMode);
        platform::null::advanceTime(250);
        popUp.placeItems(popUp.advanceScale());
    }
    void moveOut(PPopUp& popUp, float d) { popUp.mouseMove(cx + d, cy); }  // straight to the right
    void pressAt(PPopUp& popUp, float x, float y, int button) { popUp.mouseMove(x, y), popUp.buttonDown(x, y, button); }

    const float cx = 0.5f, cy = 0.4f;
    PCellHeader clue{9, 0};
    ::Run run{9, runAcross, &clue};
    PCellActive cell, other;
    PPopUp ring{PPopUp::ring};
    PPopUp keypad{PPopUp::keypad};
};

// Ring: 1 just right of the top, clockwise, 5 straight below, 9 just left of the top; keypad: 1 2 3
// on the top row, 5 at the centre. The ring grows out of the centre, then fades with the pointer's
// distance; while it still grows, a pointer inside leaves the growth alone and one outside stops it.
TEST_F(PopUpTest, RingLayoutGrowsOutOfTheCentreAndFadesWithDistance) {
    const auto& around = ring.items();
    ASSERT_EQ(around.size(), 10u);
    EXPECT_TRUE(around[1].baseX > 0 && around[1].baseY > 0.046f && around[9].baseX < 0 && around[9].baseY > 0.046f);
    EXPECT_NEAR(around[5].baseX, 0.0f, 1e-6);
    EXPECT_NEAR(around[5].baseY, -0.05f, 1e-6);
    const auto& keys = keypad.items();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(keys[i].value, i);
    for (auto [k, x, y] : {std::tuple{1, -0.036f, 0.036f}, {3, 0.036f, 0.036f}, {5, 0.0f, 0.0f}, {9, 0.036f, -0.036f}})
        EXPECT_TRUE(std::abs(keys[k].x - x) < 1e-6f && std::abs(keys[k].y - y) < 1e-6f) << k;

    ring.openAt(&cell, cx, cy, false);
    EXPECT_TRUE(ring.isOpen());
    EXPECT_EQ(ring.hoveredItem(), &ring.items()[0]);
    for (float expected : {0.0f, 0.5f, 1.0f}) {  // 0, 125 and 250 ms after opening
        ring.placeItems(ring.advanceScale());
        EXPECT_NEAR(ring.scale(), expected, 1e-6);
        EXPECT_NEAR(ring.items()[3].x, ring.items()[3].baseX * expected, 1e-6);
        platform::null::advanceTime(125);
    }
    platform::null::advanceTime(1000);
    EXPECT_FLOAT_EQ(ring.advanceScale(), 1.0f);

    // Full size within the inner circle, half size at 0.09, closed beyond the reach of 0.11.
    openFinished(ring, false);
    for (auto [distance, scale] : {std::pair{0.03f, 1.0f}, {0.07f, 1.0f}, {0.09f, 0.5f}, {0.03f, 1.0f}}) {
        moveOut(ring, distance);
        EXPECT_NEAR(ring.scale(), scale, 1e-4) << distance;
    }
    moveOut(ring, 0.1099f);
    EXPECT_TRUE(ring.isOpen());
    moveOut(ring, 0.1101f);
    EXPECT_FALSE(ring.isOpen());

    ring.openAt(&cell, cx, cy, false);
    platform::null::advanceTime(50);
    ring.advanceScale();
    moveOut(ring, 0.01f);
    EXPECT_NEAR(ring.scale(), 0.2f, 1e-6);
    moveOut(ring, 0.09f);
    platform::null::advanceTime(100);
    EXPECT_NEAR(ring.advanceScale(), 0.5f, 1e-4);
}

// The centre clears the cell in digit mode and toggles nothing in mark mode; a digit is written by
// any button.
TEST_F(PopUpTest, RingCentreClearsAndADigitIsWrittenByAnyButton) {
    cell.setValue(7);
    other.setValue(2);
    run.updateState();
    ring.openAt(&cell, cx, cy, false);
    EXPECT_TRUE(ring.isInside(cx + 0.0699f, cy));  // inner circle plus half an item
    EXPECT_FALSE(ring.isInside(cx + 0.0701f, cy));
    pressAt(ring, cx, cy, 0);
    EXPECT_EQ(cell.value, 0);
    EXPECT_EQ(run.currentSum, 2);
    EXPECT_FALSE(ring.isOpen());

    ring.openAt(&cell, cx, cy, true);
    ring.buttonDown(cx, cy, 0);
    EXPECT_TRUE(ring.isOpen());
    EXPECT_EQ(cell.marks, Marks{});

    openFinished(ring, false);
    const PPopUp::Item& seven = ring.items()[7];
    ring.mouseMove(cx + seven.x, cy + seven.y);
    EXPECT_EQ(ring.hoveredItem(), &seven);
    ring.buttonDown(cx + seven.x, cy + seven.y, 2);
    EXPECT_EQ(cell.value, 7);
    EXPECT_EQ(run.currentSum, 9);
    EXPECT_FALSE(ring.isOpen());
}

// The keypad's hover follows its three by three grid. In mark mode left toggles a mark, middle
// writes the digit, right closes; digit mode shows no marks and writes the item hovered at opening
// (5 of the keypad).
TEST_F(PopUpTest, KeypadHoverFollowsTheGridAndButtonsToggleWriteOrClose) {
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
    keypad.mouseMove(cx + step * 1.6f, cy);  // beyond the grid, still within reach: a press changes nothing
    EXPECT_TRUE(keypad.isOpen());
    ASSERT_EQ(keypad.hoveredItem(), nullptr);
    keypad.buttonDown(cx, cy, 0);
    keypad.buttonDown(cx, cy, 1);
    EXPECT_TRUE(keypad.isOpen());
    EXPECT_EQ(cell.value, 0);
    EXPECT_EQ(cell.marks, Marks{});

    cell.marks[1] = true;
    openFinished(keypad, true);
    EXPECT_TRUE(keypad.items()[2].marked);
    EXPECT_FALSE(keypad.items()[4].marked);
    const float fourX = cx - keypad.itemSize();
    pressAt(keypad, fourX, cy, 0);
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
    pressAt(keypad, fourX, cy, 2);
    EXPECT_FALSE(keypad.isOpen());
    EXPECT_EQ(cell.value, 4);
    EXPECT_FALSE(cell.marks[3]);

    cell.marks.fill(true);
    keypad.openAt(&cell, cx, cy, false);
    for (const auto& item : keypad.items()) EXPECT_FALSE(item.marked);
    keypad.buttonDown(cx, cy, 0);
    EXPECT_EQ(cell.value, 5);
}

}  // namespace
