// Routing the pointer and the wheel: the menu screen first, then what is live in the screen.
// While the confirmation box is open only the menu screen hears anything.
#include "game/Game.h"

#include "game/LevelCatalogue.h"
#include "puzzle/Tallix.h"
#include "ui/UI.h"

namespace {

constexpr int leftButton = 0;

}  // namespace

// While the help page is open or the game paused, the pointer moves nothing underneath.
void CGame::mouseMove(float x, float y) {
    if (helpOpen_ || paused_) return;
    ui->mouseMove(x, y);
    if (ui->isConfirmationOpen() || screen != GameScreen::Playing || !activePuzzle) return;
    activePuzzle->mouseMove(x, y);
    if (!activePuzzle->drag.held[leftButton]) panelMouseMove(x, y);
}

bool CGame::buttonDown(float x, float y, int button) {
    if (takenByOverlay()) {
        swallowRelease_ = button == leftButton;  // only left releases reach the game
        return false;
    }
    if (ui->isConfirmationOpen()) return true;
    if (ui->buttonDown(x, y, button)) return false;
    if (screen == GameScreen::Playing && activePuzzle && !panelButtonDown(x, y, button))
        activePuzzle->buttonDown(x, y, button);
    return false;
}

// A drag of the board ends on the board even when the release lands on the panel.
bool CGame::buttonUp(float x, float y, int button) {
    if (swallowRelease_ && button == leftButton) {
        swallowRelease_ = false;
        return false;
    }
    if (ui->buttonUp(x, y, button)) {
        endDrags(x, y, button);
        return false;
    }
    if (ui->isConfirmationOpen()) {
        endDrags(x, y, button);
        return true;
    }
    switch (screen) {
    case GameScreen::Playing:
        if (!activePuzzle) break;
        if (activePuzzle->drag.held[leftButton] || !panelButtonUp(x, y, button))
            activePuzzle->buttonUp(x, y, button);
        break;
    case GameScreen::LevelSelect:
        for (size_t k = 0; k < pageSlotCount; ++k) {
            if (!pageSlots[k] || !pageSlots[k]->hitTest(x, y)) continue;
            startLevel(k);
            break;
        }
        break;
    case GameScreen::MainMenu:
    case GameScreen::NewPuzzle: break;
    }
    return false;
}

// A left release taken by the menu screen or the box still ends the drags it would have ended:
// otherwise the board would follow the pointer with no button held and the cursor would stay
// hidden after a drag released over "Retire" or behind the medal message.
void CGame::endDrags(float x, float y, int button) {
    if (button != leftButton) return;
    if (activePuzzle) activePuzzle->buttonUp(x, y, button);
    endPanelDrag();
}

void CGame::wheel(int delta) {
    if (ui->isConfirmationOpen() || helpOpen_ || paused_) return;
    if (screen == GameScreen::Playing) {
        if (activePuzzle) activePuzzle->wheel(delta);
    } else if (screen == GameScreen::LevelSelect) {
        if (delta >= 0 && hasPreviousPage(pageIndex)) {
            --pageIndex;
            rebuildPage(false);
        } else if (delta < 0 && hasNextPage(pageIndex, levelPaths.size())) {
            ++pageIndex;
            rebuildPage(false);
        }
    }
}
