// The menu pages and what their buttons do. Every element is a label-only button sized to its
// text; the codes also travel through the confirmation box.
#include "ui/UI.h"

#include "app/Shell.h"
#include "game/Game.h"
#include "game/LevelCatalogue.h"
#include "game/NewPuzzle.h"
#include "gfx/MainFont.h"
#include "platform/Platform.h"
#include "puzzle/Puzzle.h"
#include "puzzle/StartingView.h"

const char* const homePageAddress = "https://www.tallixfree.com/?game";
const char* const feedbackAddress = "mailto:feedback@tallixfree.com?subject=Tallix Free";
const char* const creditLine = "Puzzles, pictures and code by the Tallix Free team";

namespace {

constexpr float menuScale = 0.6f;
constexpr float creditScale = 0.4f;
constexpr float titleScale = 0.7f;

void paintAllStates(uiButton& button, const Colour& colour) { button.colours = {colour, colour, colour}; }

}  // namespace

// ---- pages ------------------------------------------------------------------------------------

uiButton& UI::addButton(Page& page, const std::string& text, float left, float top, float scale, int32_t code) {
    auto button = std::make_unique<uiButton>();
    button->label = text;
    button->x = left;
    button->y = top;
    button->textScale = scale;
    button->font = font;
    button->sizeToLabel();
    button->action = code;
    page.push_back(std::move(button));
    return *page.back();
}

// The title is drawn twice: a dark copy a little right and below, then the light one over it.
void UI::buildMenus() {
    addButton(pageMain, "Play", 0.1f, 0.6f, menuScale, actionPlay);
    addButton(pageMain, "Homepage", 0.1f, 0.56f, menuScale, actionHomePage);
    addButton(pageMain, "Feedback", 0.1f, 0.52f, menuScale, actionFeedback);
    addButton(pageMain, "Exit", 0.1f, 0.48f, menuScale, actionExit);
    float creditWidth = font ? font->textWidth(creditLine, creditScale) : 0.0f;
    uiButton& credit = addButton(pageMain, creditLine, 0.95f - creditWidth, 0.14f, creditScale, actionNone);
    credit.enabled = false;
    credit.caption = true;
    credit.colours[uiButton::normal] = {0.9f, 0.9f, 0.9f, 0.4f};
    paintAllStates(addButton(pageMain, "Tallix Free", 0.403f, 0.636f, titleScale, actionNone), {0, 0, 0, 0.5f});
    paintAllStates(addButton(pageMain, "Tallix Free", 0.4f, 0.64f, titleScale, actionNone), {1, 0.89f, 0.92f, 1});
    addButton(pageMain, "How to play", 0.1f, 0.44f, menuScale, actionHelp);

    addButton(pageLevels, "<<", 0.05f, 0.4f, menuScale, actionPreviousPage);
    addButton(pageLevels, ">>", 0.95f, 0.4f, menuScale, actionNextPage);
    addButton(pageLevels, "Back", 0.02f, 0.15f, menuScale, actionBack);
    buildNewPuzzlePages();

    addButton(pageGame, "Retire", startingView::retireLeft, startingView::retireTop, startingView::retireScale,
              actionRetire)
        .colours[uiButton::normal] = {1, 1, 1, 0.3f};

    for (uiButton* answer : {yesButton.get(), cancelButton.get()}) {
        answer->font = font;
        answer->sizeToLabel();
    }
}

void UI::askToLoadSavedGame() { showConfirmation("Load saved game???", confirmYesCancel, actionLoadSavedGame); }

// ---- actions ----------------------------------------------------------------------------------

// Every code, known or not, ends by refreshing the paging buttons and closing the box.
void UI::doAction(int32_t code) {
    CPuzzle* puzzle = game ? game->activePuzzle : nullptr;
    switch (code) {
    case actionPlay: openLevelScreen(); break;
    case actionExit: quitRequested = true; break;
    case actionBack:
        currentPage = &pageMain;
        if (game) game->screen = GameScreen::MainMenu;
        break;
    case actionRetire:
        openLevelScreen();
        if (game) game->rebuildPage(true);
        if (puzzle && puzzle->hasEntries()) puzzle->saveGame();
        break;
    case actionPreviousPage:
        if (game && hasPreviousPage(game->pageIndex)) {
            --game->pageIndex;
            game->rebuildPage(false);
        }
        break;
    case actionNextPage:
        if (game && hasNextPage(game->pageIndex, game->levelPaths.size())) {
            ++game->pageIndex;
            game->rebuildPage(false);
        }
        break;
    case actionLoadSavedGame:
        if (puzzle) puzzle->loadSavedGame();
        break;
    case actionReset:
        if (puzzle) puzzle->playerReset();
        break;
    case actionResultSeen:
        openLevelScreen();
        if (game) game->rebuildPage(true);
        break;
    case actionHomePage: platform::openExternal(homePageAddress); break;
    case actionFeedback: platform::openExternal(feedbackAddress); break;
    case actionHelp:
        if (game) game->openHelp();
        break;
    case actionNewPuzzle:
        if (game) game->openChooser();
        break;
    case actionGenerate:
        if (game) game->makePuzzle();
        break;
    case actionCancelMaking:
        if (game) game->cancelPuzzle();
        break;
    case actionCloseChooser:
        if (game) game->closeChooser();
        break;
    default:
        if (!game) break;
        if (code >= actionFirstSize && code < actionFirstSize + int32_t(puzzleSizes.size()))
            game->chooseSize(code - actionFirstSize);
        if (code >= actionFirstDifficulty && code < actionFirstDifficulty + int32_t(difficultyNames.size()))
            game->chooseDifficulty(code - actionFirstDifficulty + 1);
        break;
    }
    refreshPagingButtons();
    confirmationOpen = false;
}

void UI::openLevelScreen() {
    currentPage = &pageLevels;
    if (game) game->screen = GameScreen::LevelSelect;
}

// By position: the first two elements of the level page are "<<" and ">>".
void UI::refreshPagingButtons() {
    if (!game || game->screen != GameScreen::LevelSelect || pageLevels.size() < 2) return;
    pageLevels[0]->enabled = hasPreviousPage(game->pageIndex);
    pageLevels[1]->enabled = hasNextPage(game->pageIndex, game->levelPaths.size());
}
