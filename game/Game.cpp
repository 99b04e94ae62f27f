// The controller's life: construction in the order the resources depend on each other, the level
// pages, opening a level, the remembered settings and the orderly destruction.
#include "game/Game.h"

#include "app/Animator.h"
#include "app/IniFile.h"
#include "app/Shell.h"
#include "game/Backdrop.h"
#include "game/GameSettings.h"
#include "game/LevelCatalogue.h"
#include "game/LevelMaker.h"
#include "game/StyleCatalogue.h"
#include "gfx/MainFont.h"
#include "gfx/TextureCache.h"
#include "gfx/VisualStyle.h"
#include "puzzle/PopUp.h"
#include "puzzle/StartingView.h"
#include "puzzle/Tallix.h"
#include "ui/UI.h"
#include "ui/Widget.h"

namespace {

// Miniature places of the level page: slot k in column k mod 3, row k div 3.
constexpr float pageZoom = 0.41f;
constexpr std::array<float, 3> columnCentres{0.226f, 0.492f, 0.758f};
constexpr std::array<float, 2> rowCentres{0.509f, 0.243f};

// The space between the two black bands, where the backdrop shows.
constexpr float backdropLeft = 0.0f, backdropTop = 0.65f, backdropBottom = 0.1f, backdropRight = 1.0f;

// The play clock runs from 0 to 1 and back; only its last tick is read.
constexpr float clockSpeed = 0.0001f;

IniFile settingsFile() { return IniFile(baseDirectory + settingsFileName); }

}  // namespace

// ---- construction -----------------------------------------------------------------------------

CGame::CGame() {
    createResources();
    ui->buildMenus();
    backdrop->load(*textureCache, backdropLeft, backdropTop, backdropBottom, backdropRight);
    loadGameSettings();
    loadVisualStyles();
    digitPopUp = std::make_unique<PPopUp>(PPopUp::ring);
    digitPopUp->loadTextures(L"Data\\Styles\\PopClassic", *textureCache);
    markPopUp = std::make_unique<PPopUp>(PPopUp::keypad);
    markPopUp->loadTextures(L"Data\\Styles\\PopClassicQuad", *textureCache);
    scanLevels();
    pageIndex = 0;
    rebuildPage(false);
    initPanel();
    frameClock = std::make_unique<Animator>();
    frameClock->from = 0.0f;
    frameClock->to = 1.0f;
    frameClock->speed = clockSpeed;
    frameClock->restart();
    frameClock->pingPong = true;
}

// The texture cache first (everything else loads through it), then the menu screen with its font.
void CGame::createResources() {
    textureCache = std::make_unique<CTextureCache>();
    ui = std::make_unique<UI>();
    ui->game = this;
    backdrop = std::make_unique<Backdrop>();
    stillLayer = std::make_unique<CCachedLayer>();
    createPanel();
    screen = GameScreen::MainMenu;
    mainFont = std::make_unique<CMainFont>(textureCache->getTexture(L"Data\\MainFont.dds"), L"Data\\MainFont.ini");
    ui->font = mainFont.get();
}

size_t CGame::scanLevels() {
    levelPaths = scanLevelFolder();
    return levelPaths.size();
}

// ---- level pages ------------------------------------------------------------------------------

// A level that cannot be read keeps its slot: the board shows whatever was read. A board being
// destroyed here is never left behind as the board in play. The paging buttons follow every turn
// of the page, whether a button or the wheel turned it.
void CGame::rebuildPage(bool keep) {
    for (size_t k = 0; k < pageSlotCount && !keep; ++k) {
        if (pageSlots[k] && pageSlots[k].get() == activePuzzle) activePuzzle = nullptr;
        if (pageSlots[k] && pageSlots[k].get() == hintBoard_) hintBoard_ = nullptr;
        pageSlots[k].reset();
        size_t i = static_cast<size_t>(pageIndex) * pageSlotCount + k;
        if (pageIndex < 0 || i >= levelPaths.size()) continue;
        pageSlots[k] = std::make_unique<CTallix>();
        pageSlots[k]->loadLevel(levelPaths[i]);
    }
    for (size_t k = 0; k < pageSlotCount; ++k)
        if (pageSlots[k]) placeOnPage(*pageSlots[k], k);
    ui->refreshPagingButtons();
}

// Every board reaches its card through here (after loading, and back from play), so hit-testing
// sees the card's zoom from the first frame; a board without cells keeps pageZoom.
void CGame::placeOnPage(CTallix& board, size_t slot) const {
    board.zoom = pageZoom;
    board.centreX = columnCentres[slot % 3];
    board.centreY = rowCentres[slot / 3];
    board.fitToCard();
}

// The pop-ups are shared by every board: one left open on an earlier board still points at that
// board's cell, so both are closed before another board can pass them input.
void CGame::startLevel(size_t slot) {
    if (slot >= pageSlotCount || !pageSlots[slot]) return;
    CTallix& board = *pageSlots[slot];
    activePuzzle = &board;
    board.zoom = startingView::zoom;
    board.centreX = startingView::centreX;
    board.centreY = startingView::centreY;
    digitPopUp->close();
    markPopUp->close();
    board.digitPopUp = digitPopUp.get();
    board.markPopUp = markPopUp.get();
    board.drag = {};  // a drag left over from an earlier game must not move the board
    board.elapsed = 0;
    board.resetEntries();
    board.hintsTaken = 0;
    keyCombinationCell_ = nullptr;
    paused_ = false;
    resultRecorded_ = false;
    showPanel();
    screen = GameScreen::Playing;
    frameClock->restart();
    ui->showGamePage();
    offerSavedGame(board);
}

// A board with a saved game opens empty, as every board does, but the player is asked at once
// whether to resume it: otherwise the only way back is a panel button that fades away, and the
// next save would overwrite the game unasked. The time spent on the question is not play time.
void CGame::offerSavedGame(const CTallix& board) {
    if (!board.savedGameExists) return;
    ui->askToLoadSavedGame();
    clockHeldByQuestion_ = true;
}

CTallix* CGame::openBoard() const {
    for (const auto& board : pageSlots)
        if (board && board.get() == activePuzzle) return board.get();
    return nullptr;
}

// ---- settings and styles ----------------------------------------------------------------------

void CGame::loadGameSettings() {
    GameSettings values = readGameSettings(settingsFile());
    visualStyle = values.visualStyle;
    panel->viewIndex = usableIndex(values.viewStyle, viewStyleCount);
    newPuzzleSize = values.newPuzzleSize;
    newPuzzleDifficulty = values.newPuzzleDifficulty;
    showCombinations = values.showCombinations;
}

// Out-of-range settings and an empty catalogue fall back to the first style (or none at all), so
// every frame can look the style up.
void CGame::loadVisualStyles() {
    for (const std::wstring& name : readStyleCatalogue(baseDirectory + styleCatalogueName))
        styles.push_back(std::make_unique<CVisualStyle>(name, *textureCache));
    visualStyle = usableIndex(visualStyle, styles.size());
    if (CVisualStyle* style = currentStyle()) style->setUnusedCellAlpha(panel->viewOpacity());
}

void CGame::saveGameSettings() const {
    GameSettings values;
    values.visualStyle = visualStyle;
    values.viewStyle = panel ? panel->viewIndex : 0;
    values.newPuzzleSize = newPuzzleSize;
    values.newPuzzleDifficulty = newPuzzleDifficulty;
    values.showCombinations = showCombinations;
    writeGameSettings(settingsFile(), values);
}

CVisualStyle* CGame::currentStyle() const {
    if (styles.empty()) return nullptr;
    return styles[static_cast<size_t>(usableIndex(visualStyle, styles.size()))].get();
}

// ---- destruction ------------------------------------------------------------------------------

// A solved board whose medal is showing has had its result recorded and its saved game removed:
// saving it again would offer a finished board to resume.
CGame::~CGame() {
    levelMaker_.reset();  // told to stop and joined before anything it could outlive goes
    if (screen == GameScreen::Playing && activePuzzle && !resultRecorded_ && activePuzzle->hasEntries())
        activePuzzle->saveGame();
    saveGameSettings();
    destroyResources();
}

// In the order the resources were lent out: boards before the styles and fonts they draw with,
// while the GL context is still current.
void CGame::destroyResources() {
    activePuzzle = nullptr;
    for (auto& board : pageSlots) board.reset();
    for (auto& style : styles) style.reset();
    stillLayer.reset();
    if (mainFont) mainFont->release();
    mainFont.reset();
    ui.reset();
    backdrop.reset();
    digitPopUp.reset();
    markPopUp.reset();
    frameClock.reset();
    destroyPanel();
    styles.clear();
    levelPaths.clear();
}
