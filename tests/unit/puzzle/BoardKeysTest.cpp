// The board's keyboard cursor, entries by key, and the history that undo and redo walk.
#include <functional>
#include <tuple>
#include <memory>

#include <gtest/gtest.h>

#include "platform/NullBackend.h"
#include "puzzle/PopUp.h"
#include "puzzle/Run.h"
#include "tests/support/Boards.h"

using namespace testsupport;

namespace {

platform::Event key(platform::Key name, char character = 0, bool shift = false, bool ctrl = false) {
    platform::Event press;
    press.type = platform::EventType::KeyPressed;
    press.key = name;
    press.character = character;
    press.shift = shift;
    press.ctrl = ctrl;
    return press;
}
platform::Event digit(char character, bool shift = false) { return key(platform::Key::Character, character, shift); }

std::unique_ptr<CTallix> board(const std::vector<std::string>& rows) {
    auto result = std::make_unique<CTallix>();
    Bytes file = levelFile(rows);
    result->readLevel(file.data(), file.size());
    result->zoom = 1.0f;
    result->centreX = 0.5f;
    result->centreY = 0.37f;
    return result;
}

}  // namespace

// Playable cells with gaps: the cursor passes over the gaps and stops at the edges.
TEST(BoardCursor, MovesOverPlayableCellsOnly) {
    auto b = board({"u u u u u", "u p p u p", "u p u u u", "u u u p p"});
    EXPECT_EQ(firstPlayable(*b), (CellPlace{1, 1}));
    struct Row {
        CellPlace from;
        CursorMove move;
        CellPlace to;
    } rows[] = {
        {{1, 1}, CursorMove::Right, {2, 1}}, {{2, 1}, CursorMove::Right, {4, 1}},
        {{4, 1}, CursorMove::Right, {4, 1}}, {{1, 1}, CursorMove::Down, {1, 2}},
        {{1, 2}, CursorMove::Down, {1, 2}},  {{4, 3}, CursorMove::Left, {3, 3}},
        {{3, 3}, CursorMove::Left, {3, 3}},  {{2, 1}, CursorMove::Up, {2, 1}},
        {{4, 3}, CursorMove::Up, {4, 1}},    {{4, 1}, CursorMove::RowStart, {1, 1}},
        {{1, 1}, CursorMove::RowEnd, {4, 1}}, {{3, 3}, CursorMove::RowStart, {3, 3}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(moveCursor(*b, row.from, row.move), row.to)
            << row.from.column << "," << row.from.row << " move " << int(row.move);
    EXPECT_FALSE(firstPlayable(*board({"u u", "u u"})).valid());
}

// Without the pointer on a playable cell the first key only shows the cursor; with it, keys act
// there. The cursor follows the pointer and the hover follows the cursor.
TEST(BoardKeys, FirstKeyPlacesTheCursorThenKeysEnterClearAndMark) {
    auto b = board(squareGrid());
    b->keyDown(digit('5'));
    EXPECT_TRUE(b->cursorShown);
    EXPECT_EQ(b->cursor, (CellPlace{1, 1}));
    EXPECT_FALSE(b->hasEntries());
    b->keyDown(digit('5'));
    EXPECT_EQ(playable(*b, 1, 1).value, 5);
    b->keyDown(key(platform::Key::Right));
    b->keyDown(digit('2', true));
    b->keyDown(digit('2', true));
    b->keyDown(digit('7', true));
    EXPECT_EQ(playable(*b, 2, 1).marks, (std::array<bool, 9>{false, false, false, false, false, false, true}));
    b->keyDown(key(platform::Key::Left));
    b->keyDown(digit('6', true));  // a mark only in an empty cell
    EXPECT_FALSE(playable(*b, 1, 1).marks[5]);
    b->keyDown(key(platform::Key::Backspace));
    EXPECT_EQ(playable(*b, 1, 1).value, 0);

    b->mouseMove(cellCentreX(*b, 2), cellCentreY(*b, 2));
    EXPECT_EQ(b->cursor, (CellPlace{2, 2}));
    b->keyDown(digit('9'));
    EXPECT_EQ(playable(*b, 2, 2).value, 9);
    b->keyDown(key(platform::Key::Up));
    EXPECT_EQ(b->hoveredCell, b->cellAt(2, 1));
    b->wheel(120);  // the wheel acts where the cursor is
    EXPECT_EQ(playable(*b, 2, 1).value, 1);
}

// Every kind of change is one step: undo restores the cells before it and the run bookkeeping
// (the duplicate in the down run shows wrong again), redo the cells after it; a spin of the wheel
// over one cell is one step, and "Reset" is one step.
TEST(BoardHistory, UndoAndRedoEveryKindOfChange) {
    platform::selectBackend(platform::Backend::Null);
    platform::null::reset();
    PPopUp keypad(PPopUp::keypad);
    auto right = [](CTallix& b) { b.keyDown(key(platform::Key::Right)); };
    struct Row {
        const char* name;
        std::function<void(CTallix&)> change;
    } rows[] = {
        {"key digit", [](CTallix& b) { b.keyDown(digit('2')); }},
        {"key clear", [](CTallix& b) { b.keyDown(key(platform::Key::Delete)); }},
        {"key mark", [&](CTallix& b) { right(b), b.keyDown(digit('4', true)); }},
        {"keypad mark",
         [&](CTallix& b) {
             float x = cellCentreX(b, 2), y = cellCentreY(b, 1);
             b.buttonDown(x, y, 2);
             b.mouseMove(x - 0.036f, y + 0.036f);  // item 1
             b.buttonDown(x - 0.036f, y + 0.036f, 0);
         }},
        {"middle click", [](CTallix& b) { b.buttonDown(cellCentreX(b, 1), cellCentreY(b, 1), 1); }},
        {"wheel spin", [](CTallix& b) { b.wheel(120), b.wheel(120), b.wheel(120); }},
        {"reset", [](CTallix& b) { b.playerReset(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto b = board(squareGrid());
        b->markPopUp = &keypad;
        b->mouseMove(cellCentreX(*b, 1), cellCentreY(*b, 1));
        for (platform::Event press : {digit('1'), key(platform::Key::Down), digit('1'), key(platform::Key::Up)})
            b->keyDown(press);
        ASSERT_TRUE(showsWrong(playable(*b, 1, 2)));
        std::vector<CellContents> before = snapshot(b->playableCellsInRowOrder());
        size_t steps = b->history.size();
        row.change(*b);
        std::vector<CellContents> after = snapshot(b->playableCellsInRowOrder());
        ASSERT_NE(before, after);
        EXPECT_EQ(b->history.size(), steps + 1);
        EXPECT_TRUE(b->undo());
        EXPECT_EQ(snapshot(b->playableCellsInRowOrder()), before);
        EXPECT_TRUE(showsWrong(playable(*b, 1, 2)));
        EXPECT_TRUE(b->redo());
        EXPECT_EQ(snapshot(b->playableCellsInRowOrder()), after);
        EXPECT_FALSE(b->redo());
    }
}

// A new change drops what was undone; a solved board takes nothing back; a board opened afresh
// has no history.
TEST(BoardHistory, NewChangeDropsTheUndoneStepsAndSolvedBoardsStay) {
    auto b = board(squareGrid());
    b->mouseMove(cellCentreX(*b, 1), cellCentreY(*b, 1));
    for (char d : {'1', '2'}) b->keyDown(digit(d));
    EXPECT_TRUE(b->undo());
    b->keyDown(digit('3'));
    EXPECT_FALSE(b->redo());
    EXPECT_TRUE(b->undo());
    EXPECT_EQ(playable(*b, 1, 1).value, 1);

    for (auto [column, row, value] : {std::tuple{1, 1, 1}, {2, 1, 3}, {1, 2, 2}, {2, 2, 4}}) enter(playable(*b, column, row), value);
    ASSERT_TRUE(b->isSolved());
    EXPECT_FALSE(b->undo());
    b->resetEntries();
    EXPECT_EQ(b->history.size(), 0u);
}
