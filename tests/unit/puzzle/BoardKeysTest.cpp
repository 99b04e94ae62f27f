// The board's keyboard cursor, entries by key, and the history that undo and redo walk.
#include <functional>
#include <tuple>

#include "puzzle/PopUp.h"
#include "tests/support/PlayFixtures.h"

using namespace playtest;

// Playable cells with gaps: the cursor passes over the gaps and stops at the edges.
TEST(BoardCursor, MovesOverPlayableCellsOnly) {
    auto b = readBoard(levelFile({"u u u u u", "u p p u p", "u p u u u", "u u u p p"}));
    EXPECT_EQ(firstPlayable(*b), (CellPlace{1, 1}));
    using M = CursorMove;
    for (auto [from, move, to] : {std::tuple{CellPlace{1, 1}, M::Right, CellPlace{2, 1}}, {{2, 1}, M::Right, {4, 1}},
                                  {{4, 1}, M::Right, {4, 1}}, {{1, 1}, M::Down, {1, 2}}, {{1, 2}, M::Down, {1, 2}},
                                  {{4, 3}, M::Left, {3, 3}}, {{3, 3}, M::Left, {3, 3}}, {{2, 1}, M::Up, {2, 1}},
                                  {{4, 3}, M::Up, {4, 1}}, {{4, 1}, M::RowStart, {1, 1}}, {{1, 1}, M::RowEnd, {4, 1}},
                                  {{3, 3}, M::RowStart, {3, 3}}})
        EXPECT_EQ(moveCursor(*b, from, move), to) << from.column << "," << from.row << " move " << int(move);
    EXPECT_FALSE(firstPlayable(*readBoard(levelFile({"u u", "u u"}))).valid());
}

// Without the pointer on a playable cell the first key only shows the cursor; with it, keys act
// there. The cursor follows the pointer and the hover follows the cursor.
TEST(BoardKeys, FirstKeyPlacesTheCursorThenKeysEnterClearAndMark) {
    auto b = readBoard(levelFile(squareGrid()));
    type(*b, "5");
    EXPECT_TRUE(b->cursorShown);
    EXPECT_EQ(b->cursor, (CellPlace{1, 1}));
    EXPECT_FALSE(b->hasEntries());
    type(*b, "5 Right shift+2 shift+2 shift+7");
    EXPECT_EQ(playable(*b, 1, 1).value, 5);
    EXPECT_EQ(playable(*b, 2, 1).marks, (std::array<bool, 9>{false, false, false, false, false, false, true}));
    type(*b, "Left shift+6");  // a mark only in an empty cell
    EXPECT_FALSE(playable(*b, 1, 1).marks[5]);
    type(*b, "BackSpace");
    EXPECT_EQ(playable(*b, 1, 1).value, 0);

    b->mouseMove(cellCentreX(*b, 2), cellCentreY(*b, 2));
    EXPECT_EQ(b->cursor, (CellPlace{2, 2}));
    type(*b, "9 Up");
    EXPECT_EQ(playable(*b, 2, 2).value, 9);
    EXPECT_EQ(b->hoveredCell, b->cellAt(2, 1));
    b->wheel(120);  // the wheel acts where the cursor is
    EXPECT_EQ(playable(*b, 2, 1).value, 1);
}

// Every kind of change is one step: undo restores the cells before it and the run bookkeeping
// (the duplicate in the down run shows wrong again), redo the cells after it; a spin of the wheel
// over one cell is one step, and "Reset" is one step. Undo and redo drop the hint and close the
// pop-up, both made for the cells before. A new change drops what was undone; a solved board takes
// nothing back; a board opened afresh has no history, no hint and no cursor.
TEST(BoardHistory, UndoAndRedoEveryKindOfChange) {
    platform::selectBackend(platform::Backend::Null);
    platform::null::reset();
    PPopUp keypad(PPopUp::keypad);
    std::pair<const char*, std::function<void(CTallix&)>> rows[] = {
        {"key digit", [](CTallix& b) { type(b, "2"); }},
        {"key clear", [](CTallix& b) { type(b, "Delete"); }},
        {"key mark", [](CTallix& b) { type(b, "Right shift+4"); }},
        {"keypad mark",
         [](CTallix& b) {
             float x = cellCentreX(b, 2), y = cellCentreY(b, 1);
             b.buttonDown(x, y, 2);
             b.mouseMove(x - 0.036f, y + 0.036f);  // item 1
             b.buttonDown(x - 0.036f, y + 0.036f, 0);
         }},
        {"middle click", [](CTallix& b) { b.buttonDown(cellCentreX(b, 1), cellCentreY(b, 1), 1); }},
        {"wheel spin", [](CTallix& b) { b.wheel(120), b.wheel(120), b.wheel(120); }},
        {"reset", [](CTallix& b) { b.playerReset(); }},
    };
    for (const auto& [name, change] : rows) {
        SCOPED_TRACE(name);
        auto b = readBoard(levelFile(squareGrid()));
        b->markPopUp = &keypad;
        b->mouseMove(cellCentreX(*b, 1), cellCentreY(*b, 1));
        type(*b, "1 Down 1 Up");
        ASSERT_TRUE(showsWrong(playable(*b, 1, 2)));
        std::vector<CellContents> before = snapshot(b->playableCellsInRowOrder());
        size_t steps = b->history.size();
        change(*b);
        std::vector<CellContents> after = snapshot(b->playableCellsInRowOrder());
        ASSERT_NE(before, after);
        EXPECT_EQ(b->history.size(), steps + 1);
        auto leaveStaleViews = [&] {
            b->hint.reason = "stale";
            keypad.openAt(&playable(*b, 2, 2), 0.5f, 0.5f, true);
            b->currentPopUp = &keypad;
        };
        leaveStaleViews();
        EXPECT_TRUE(b->undo());
        EXPECT_TRUE(b->hint.reason.empty() && !keypad.isOpen());
        EXPECT_EQ(snapshot(b->playableCellsInRowOrder()), before);
        EXPECT_TRUE(showsWrong(playable(*b, 1, 2)));
        leaveStaleViews();
        EXPECT_TRUE(b->redo());
        EXPECT_TRUE(b->hint.reason.empty() && !keypad.isOpen());
        EXPECT_EQ(snapshot(b->playableCellsInRowOrder()), after);
        EXPECT_FALSE(b->redo());
    }

    auto b = readBoard(levelFile(squareGrid()));
    b->mouseMove(cellCentreX(*b, 1), cellCentreY(*b, 1));
    type(*b, "1 2");
    EXPECT_TRUE(b->undo());
    type(*b, "3");
    EXPECT_FALSE(b->redo());
    EXPECT_TRUE(b->undo());
    EXPECT_EQ(playable(*b, 1, 1).value, 1);

    solve(*b);
    ASSERT_TRUE(b->isSolved());
    EXPECT_FALSE(b->undo());
    b->hint.reason = "stale";
    b->resetEntries();
    EXPECT_EQ(b->history.size(), 0u);
    EXPECT_TRUE(b->hint.reason.empty() && !b->cursorShown);
}

