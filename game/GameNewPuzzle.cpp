// A new level on request: the chooser over the level page, the level made on a worker thread while
// the frames go on (a spinner and "Cancel"), then written beside the shipped ones and opened for
// play. Esc ends the program at once: the controller's destructor stops and joins the worker.
#include "game/Game.h"

#include "game/LevelCatalogue.h"
#include "game/LevelMaker.h"
#include "game/NewPuzzle.h"
#include "platform/Platform.h"
#include "ui/UI.h"

namespace {

const char* const cannotSave = "The new puzzle could not be saved";

}  // namespace

void CGame::openChooser() {
    screen = GameScreen::NewPuzzle;
    ui->showChooser(newPuzzleSize, newPuzzleDifficulty);
}

void CGame::chooseSize(int size) {
    newPuzzleSize = size;
    ui->showChooser(newPuzzleSize, newPuzzleDifficulty);
}

void CGame::chooseDifficulty(int difficulty) {
    newPuzzleDifficulty = difficulty;
    ui->showChooser(newPuzzleSize, newPuzzleDifficulty);
}

void CGame::makePuzzle() {
    if (!levelMaker_) levelMaker_ = std::make_unique<CLevelMaker>();
    levelMaker_->start(newPuzzleOptions(newPuzzleSize, newPuzzleDifficulty, platform::tickCount()),
                       platform::lowerThisThreadPriority);
    std::string size = puzzleSizes[size_t(newPuzzleSize)].name;
    std::string difficulty = difficultyNames[size_t(newPuzzleDifficulty - 1)];
    ui->showMaking("Making a " + size + ", " + difficulty + " puzzle");
}

void CGame::cancelPuzzle() {
    if (levelMaker_) levelMaker_->cancel();
    ui->showChooser(newPuzzleSize, newPuzzleDifficulty);
}

void CGame::closeChooser() {
    if (levelMaker_) levelMaker_->cancel();
    screen = GameScreen::LevelSelect;
    ui->currentPage = &ui->pageLevels;
}

// Each frame of the chooser screen. A level that cannot be made or saved is reported in the box,
// whose OK returns to the chooser.
void CGame::pollPuzzleMaker() {
    if (!levelMaker_ || ui->currentPage != &ui->pageMaking) return;
    CLevelMaker::State state = levelMaker_->poll();
    if (state == CLevelMaker::State::Working || state == CLevelMaker::State::Idle) return;
    levels::GeneratedLevel level = levelMaker_->take();
    ui->showChooser(newPuzzleSize, newPuzzleDifficulty);
    if (state == CLevelMaker::State::Failed) {
        ui->showConfirmation("No puzzle of this kind could be made", confirmOk, actionNone);
        return;
    }
    std::wstring name = newLevelName(levelPaths, newPuzzleDifficulty);
    if (!saveNewLevel(name, level)) {
        ui->showConfirmation(cannotSave, confirmOk, actionNone);
        return;
    }
    openMadeLevel(name);
}

// From the level page the new level is played like any other: its page, its slot, its card.
void CGame::openMadeLevel(const std::wstring& name) {
    scanLevels();
    std::wstring path = newLevelPath(name);
    for (size_t i = 0; i < levelPaths.size(); ++i) {
        if (levelPaths[i] != path) continue;
        screen = GameScreen::LevelSelect;
        ui->currentPage = &ui->pageLevels;
        pageIndex = int32_t(i / levelsPerPage);
        rebuildPage(false);
        startLevel(i % levelsPerPage);
        return;
    }
}
