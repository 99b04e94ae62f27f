// The board's input: hover and marks, the middle click, the wheel, dragging by a clue, and how
// presses meet an open pop-up.
#include "puzzle/PopUp.h"
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

// The square board centred at (0.5, 0.375): cell edge 0.05, playable cells at columns and rows 1
// and 2, clues "4\0" at (0, 1) and "0\3" at (1, 0).
class PlayRulesTest : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        board->digitPopUp = &ring;
        board->markPopUp = &keypad;
    }
    float x(int column) const { return cellCentreX(*board, column); }
    float y(int row) const { return cellCentreY(*board, row); }
    // Hover over a cell and press there: the board never swallows a press.
    void press(int column, int row, int button) {
        board->mouseMove(x(column), y(row));
        EXPECT_FALSE(board->buttonDown(x(column), y(row), button));
    }

    PPopUp ring{PPopUp::ring}, keypad{PPopUp::keypad};
    std::unique_ptr<CTallix> board = readBoard(levelFile(squareGrid()), 1.0f, 0.375f);
};

// The mark under the pointer is the third of the cell it is in (a clue keeps the last one); a
// middle click takes it when it is set, and clears a digit.
TEST_F(PlayRulesTest, MiddleClickTakesTheHoveredMarkAndClearsADigit) {
    const float third = 0.05f / 3;
    struct Probe { int column, row; float dx, dy; int mark; };
    for (Probe p : {Probe{1, 1, -third, third, 1}, Probe{2, 2, third, -third, 9}, Probe{1, 1, third, 0, 6},
                    Probe{0, 1, 0, 0, 6}}) {
        board->mouseMove(x(p.column) + p.dx, y(p.row) + p.dy);
        EXPECT_EQ(board->hoveredCell, board->cellAt(p.column, p.row));
        EXPECT_EQ(board->hoveredMark, p.mark) << p.column << "," << p.row;
    }
    board->mouseMove(0.05f, 0.05f);
    EXPECT_EQ(board->hoveredCell, nullptr);

    PCellActive& cell = playable(*board, 1, 1);
    press(1, 1, 1);
    EXPECT_EQ(cell.value, 0);  // mark 5 is not set: nothing
    cell.marks[4] = true;
    press(1, 1, 1);
    EXPECT_EQ(cell.value, 5);
    EXPECT_TRUE(cell.acrossRun->over);  // 5 in a run of 4: the runs were updated
    press(1, 1, 1);
    EXPECT_EQ(cell.value, 0);
    EXPECT_FALSE(cell.acrossRun->over);
}

// One step per call whatever the delta, within 0 to 9, on playable cells only.
TEST_F(PlayRulesTest, WheelStepsOneDigitWithinZeroToNineOnPlayableCellsOnly) {
    PCellActive& cell = playable(*board, 2, 2);
    board->mouseMove(x(2), y(2));
    board->wheel(360);
    EXPECT_EQ(cell.value, 1);
    for (int i = 0; i < 12; ++i) board->wheel(120);
    EXPECT_EQ(cell.value, 9);
    EXPECT_TRUE(cell.downRun->over);
    for (int i = 0; i < 12; ++i) board->wheel(-120);
    EXPECT_EQ(cell.value, 0);
    EXPECT_FALSE(cell.downRun->over);
    board->wheel(0);
    EXPECT_EQ(cell.value, 0);

    auto fixed = readBoard(levelFile({"7\\0 f4 p"}));
    for (int column : {1, 0}) {
        fixed->mouseMove(cellCentreX(*fixed, column), cellCentreY(*fixed, 0));
        fixed->wheel(column ? 120 : -120);
    }
    EXPECT_EQ(asLocked(fixed->cellAt(1, 0))->value, 4);
    EXPECT_EQ(asHeader(fixed->cellAt(0, 0))->acrossSum, 7);
}

// A left drag on a clue moves the board by the pointer; middle and right drags and unused cells
// move nothing.
TEST_F(PlayRulesTest, OnlyALeftDragOnAClueMovesTheBoard) {
    const float startX = x(0), startY = y(1);
    press(0, 1, 0);
    EXPECT_TRUE(board->drag.held[0]);
    for (auto [dx, centreX] : {std::pair{0.125f, 0.625f}, {0.25f, 0.75f}}) {
        board->mouseMove(startX + dx, startY - 0.0625f);
        EXPECT_FLOAT_EQ(board->centreX, centreX);
        EXPECT_FLOAT_EQ(board->centreY, 0.3125f);
    }
    EXPECT_FALSE(board->buttonUp(0.0f, 0.0f, 0));
    EXPECT_FALSE(board->drag.held[0]);
    board->mouseMove(0.1f, 0.1f);
    EXPECT_FLOAT_EQ(board->centreX, 0.75f);

    board->centreX = 0.5f;
    press(1, 0, 2);
    press(1, 0, 1);
    EXPECT_TRUE(board->drag.held[2] && board->drag.held[1]);
    EXPECT_FALSE(board->drag.held[0]);
    board->mouseMove(x(2), y(2));
    EXPECT_FLOAT_EQ(board->centreX, 0.5f);
    EXPECT_EQ(board->hoveredCell, board->cellAt(2, 2));
    press(0, 0, 0);  // an unused cell starts no drag
    EXPECT_FALSE(board->drag.held[0]);
    EXPECT_FALSE(ring.isOpen());
}

// Left opens the ring, right the keypad; without pop-ups neither press does anything.
TEST_F(PlayRulesTest, LeftOpensTheRingAndRightTheKeypadOnAPlayableCell) {
    press(1, 1, 0);
    EXPECT_EQ(board->currentPopUp, &ring);
    EXPECT_TRUE(ring.isOpen());
    EXPECT_FALSE(ring.markMode());
    EXPECT_EQ(ring.targetCell(), &playable(*board, 1, 1));
    EXPECT_FLOAT_EQ(ring.centreX(), x(1));

    board->buttonDown(0.05f, 0.05f, 0);  // off the board: closes the ring, nothing else
    EXPECT_FALSE(ring.isOpen());
    press(2, 1, 2);
    EXPECT_EQ(board->currentPopUp, &keypad);
    EXPECT_TRUE(keypad.markMode());
    EXPECT_EQ(keypad.targetCell(), &playable(*board, 2, 1));

    auto bare = readBoard(levelFile(squareGrid()), 1.0f, 0.375f);
    bare->mouseMove(x(1), y(1));
    for (int button : {0, 2}) bare->buttonDown(x(1), y(1), button);
    EXPECT_EQ(bare->currentPopUp, nullptr);
}

// A press outside an open pop-up acts on the board in the same press; one inside the ring chooses
// its digit, while the pop-up keeps the pointer and the wheel.
TEST_F(PlayRulesTest, APressOutsideAnOpenPopUpActsOnTheBoardAndOneInsideChooses) {
    press(1, 1, 0);
    ASSERT_TRUE(ring.isOpen());
    float farX = x(2) + 0.015f, farY = y(2) - 0.015f;
    ASSERT_FALSE(ring.isInside(farX, farY));
    board->buttonDown(farX, farY, 0);  // no move first: the press itself finds the new cell
    EXPECT_TRUE(ring.isOpen());
    EXPECT_EQ(ring.targetCell(), &playable(*board, 2, 2));
    EXPECT_FLOAT_EQ(ring.centreX(), farX);
    EXPECT_EQ(board->hoveredCell, board->cellAt(2, 2));

    board->buttonDown(x(0), y(1), 0);  // a clue: closes the ring and starts a drag
    EXPECT_FALSE(ring.isOpen());
    EXPECT_TRUE(board->drag.held[0]);
    board->buttonUp(x(0), y(1), 0);

    PCellActive& cell = playable(*board, 1, 1);
    press(1, 1, 0);
    platform::null::advanceTime(300);  // the ring has grown
    ring.placeItems(ring.advanceScale());
    const PPopUp::Item& three = ring.items()[3];
    board->mouseMove(x(1) + three.x, y(1) + three.y);
    EXPECT_EQ(ring.hoveredItem(), &three);
    EXPECT_EQ(board->hoveredCell, &cell);  // the pop-up keeps the pointer
    board->wheel(120);                      // and the wheel
    EXPECT_EQ(cell.value, 0);
    board->buttonDown(x(1) + three.x, y(1) + three.y, 0);
    EXPECT_EQ(cell.value, 3);
    EXPECT_EQ(cell.downRun->currentSum, 3);
    EXPECT_FALSE(cell.acrossRun->complete);
    EXPECT_FALSE(ring.isOpen());
    board->wheel(120);  // closed: the wheel reaches the board again
    EXPECT_EQ(cell.value, 4);
}

}  // namespace
