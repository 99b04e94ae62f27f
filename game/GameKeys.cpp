// Keys, undo and redo, pause, the window's activity and the help page. Esc, F1 and F2 never get
// here: the shell keeps them. While the confirmation box is open every key is its; H opens the
// help page on any screen; the rest act on the board in play.
#include "game/Game.h"

#include "app/Animator.h"
#include "platform/Platform.h"
#include "puzzle/PopUp.h"
#include "puzzle/Puzzle.h"
#include "puzzle/Tallix.h"
#include "ui/UI.h"

namespace {

bool isCharacter(const platform::Event& press, char character) {
    return press.key == platform::Key::Character && press.character == character;
}

}  // namespace

// A key held down over the help page or a pause repeats, and would open and close it again.
void CGame::keyDown(const platform::Event& press) {
    if (press.repeat && (helpOpen_ || paused_)) return;
    if (takenByOverlay()) return;
    if (ui->keyAnswer(press)) return;
    if (isCharacter(press, 'h') && !press.ctrl) {
        openHelp();
        return;
    }
    if (screen != GameScreen::Playing || !activePuzzle) return;
    if (press.ctrl) {
        if (isCharacter(press, 'z')) press.shift ? redoMove() : undoMove();
        if (isCharacter(press, 'y')) redoMove();
        return;
    }
    keyCombinationCell_ = nullptr;  // any key closes the combination box
    if (isCharacter(press, 'p')) {
        pause();
        return;
    }
    if (isCharacter(press, '?') || (isCharacter(press, '/') && press.shift)) {
        takeHint();
        return;
    }
    activePuzzle->keyDown(press);
    if (isCharacter(press, 'c')) showCombinationsFor(cursorCell());
}

// Any key or click closes the help page or ends a pause, and does nothing else; the release of
// such a click is swallowed too.
bool CGame::takenByOverlay() {
    if (helpOpen_) {
        closeHelp();
        return true;
    }
    if (paused_) {
        resume();
        return true;
    }
    return false;
}

// The cell the keyboard cursor stands on, when it is shown.
const PCell* CGame::cursorCell() const {
    const CTallix* board = openBoard();
    if (!board || !board->cursorShown) return nullptr;
    return board->cellAt(board->cursor.column, board->cursor.row);
}

void CGame::undoMove() {
    if (screen == GameScreen::Playing && activePuzzle && !paused_ && !ui->isConfirmationOpen()) activePuzzle->undo();
}

void CGame::redoMove() {
    if (screen == GameScreen::Playing && activePuzzle && !paused_ && !ui->isConfirmationOpen()) activePuzzle->redo();
}

// ---- stopping the clock ---------------------------------------------------------------------------

void CGame::pause() {
    if (screen != GameScreen::Playing || !activePuzzle || paused_) return;
    settlePlayTime();
    if (activePuzzle->currentPopUp) activePuzzle->currentPopUp->close();
    paused_ = true;
}

void CGame::resume() {
    paused_ = false;
    restartPlayTimeIfRunning();
}

void CGame::activeChanged(bool active) {
    if (!active) settlePlayTime();
    active_ = active;
    restartPlayTimeIfRunning();
}

void CGame::openHelp() {
    settlePlayTime();
    helpOpen_ = true;
}

void CGame::closeHelp() {
    helpOpen_ = false;
    restartPlayTimeIfRunning();
}

void CGame::settlePlayTime() {
    if (screen == GameScreen::Playing && activePuzzle && !ui->isConfirmationOpen() && !clockStopped())
        advancePlayTime(*frameClock, activePuzzle->elapsed);
}

void CGame::restartPlayTimeIfRunning() {
    if (!clockStopped() && frameClock) holdPlayTime(*frameClock);
}
