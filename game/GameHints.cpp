// Hints and the combination helper while a level is played. A hint costs thirty seconds of play
// time, so a medal still means the same; it marks its cells on the board and names its reason
// below it until the board changes. The combination box shows after the pointer has rested half a
// second on a clue, or at C for the runs of the cursor's cell, and goes at any key.
#include "game/Game.h"

#include "game/BoardGrid.h"
#include "game/CombinationBox.h"
#include "gfx/MainFont.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"
#include "solver/Hint.h"
#include "solver/Solver.h"
#include "ui/UI.h"

namespace {

constexpr uint32_t hintCost = 30000;        // milliseconds added to the play time
constexpr uint32_t restBeforeBox = 500;     // milliseconds on a clue before its box shows

// The player's digits by index of `grid`, the board's own (0: none), as findHint takes them.
std::vector<int> enteredDigits(const CTallix& board, const levels::CLevelGrid& grid) {
    std::vector<int> digits(size_t(grid.width()) * size_t(grid.height()), 0);
    for (int x = 0; x < grid.width(); ++x)
        for (int y = 0; y < grid.height(); ++y)
            if (const PCellActive* cell = asActive(board.cellAt(x, y))) digits[size_t(grid.index(x, y))] = cell->value;
    return digits;
}

CellPlace placeOf(int cell, int width) { return cell < 0 ? CellPlace{} : CellPlace{cell % width, cell / width}; }

}  // namespace

void CGame::takeHint() {
    CTallix* board = openBoard();
    if (screen != GameScreen::Playing || !board || paused_ || ui->isConfirmationOpen()) return;
    levels::CLevelGrid grid = gridOf(*board);
    if (hintBoard_ != board) {
        hintSolution_ = levels::uniqueSolution(grid, 200000);
        hintBoard_ = board;
    }
    levels::Hint hint = levels::findHint(grid, enteredDigits(*board, grid), hintSolution_);
    board->hint = {};
    board->hint.reason = hint.reason;
    board->hint.focus = placeOf(hint.cell, board->width);
    for (int cell : hint.cells) board->hint.cells.push_back(placeOf(cell, board->width));
    if (hint.kind == levels::Hint::solved) return;
    settlePlayTime();
    board->elapsed += hintCost;
    ++board->hintsTaken;
}

void CGame::showCombinationsFor(const PCell* cell) { keyCombinationCell_ = cell; }

// The clue the pointer rests on, once it has rested long enough, else the cell C asked about.
const PCell* CGame::combinationCell() {
    CTallix* board = openBoard();
    if (!board || !showCombinations || paused_) return nullptr;
    const PCell* hovered = asHeader(board->hoveredCell);
    uint32_t now = platform::tickCount();
    if (hovered != restingClue_) {
        restingClue_ = hovered;
        restingSince_ = now;
    }
    if (restingClue_ && now - restingSince_ >= restBeforeBox) return restingClue_;
    return keyCombinationCell_;
}

void CGame::drawCombinations() {
    const CTallix* board = openBoard();
    const PCell* cell = combinationCell();
    if (board && cell) drawCombinationBox(*mainFont, *board, runsOfCell(*board, cell));
}

void CGame::drawHintReason() {
    const CTallix* board = openBoard();
    if (!board || board->hint.reason.empty() || paused_) return;
    glColor4f(1.0f, 0.85f, 0.3f, 1.0f);
    mainFont->drawText(board->hint.reason, 0.5f, 0.035f, 0.5f, CMainFont::AlignCentre);
}
