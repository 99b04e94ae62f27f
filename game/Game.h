// CGame: the root screen element. Owns every shared resource (textures, fonts, styles, pop-ups)
// and every other screen element (backdrop, menu screen, the boards of the level page), holds the
// screen state, routes input to what is live in it, runs the play clock and announces medals.
//
// Sections: Game.cpp (construction, pages, starting a level, settings, destruction) |
// GameDraw.cpp (frame, the still layer, captions, solved check) | GameInput.cpp (pointer and
// wheel routing) | GameKeys.cpp (keys, undo, pause, the window's activity, the help page) |
// GamePanel.cpp (the in-game panel wired in)
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Control.h"
#include "gfx/CachedLayer.h"
#include "game/PlayClock.h"

struct Animator;
class Backdrop;
class CMainFont;
class CPuzzle;
class CTallix;
class CTextureCache;
class CVisualStyle;
class PPopUp;
class CLevelMaker;
class PCell;
class UI;
class Widget;
class CGame;

// NewPuzzle: the chooser of a new level over the level page, and the wait while it is made.
enum class GameScreen : int32_t { Playing = 0, MainMenu = 1, LevelSelect = 2, NewPuzzle = 3 };

constexpr size_t pageSlotCount = 6;  // three columns, two rows

class CGame : public Control {
public:
    CGame();            // loads everything below "Data\"; the GL context must be current
    ~CGame() override;  // saves a game in play, writes the settings, frees GL objects
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // Control
    void mouseMove(float x, float y) override;
    bool buttonDown(float x, float y, int button) override;  // true only while the box swallows it
    bool buttonUp(float x, float y, int button) override;    // true only while the box swallows it
    void wheel(int delta) override;                          // the board, or the level pages
    void draw() override;
    void keyDown(const platform::Event& press) override;     // the box, help, shortcuts, the board
    void activeChanged(bool active) override;                // the clock stops while inactive

    void drawFps(float fps) const;  // the frames-per-second number, bottom left
    static void drawBands();        // the black bands at the top and bottom, over everything so far

    // Unless keep, re-creates the boards of page pageIndex from the catalogue; in every case puts
    // the boards of the page back in their miniature places.
    void rebuildPage(bool keep);
    void startLevel(size_t slot);  // opens the board of a filled slot for play, empty
    size_t scanLevels();           // fills levelPaths; the number of levels
    void loadGameSettings();
    void loadVisualStyles();
    void saveGameSettings() const;

    // GameKeys.cpp. Undo and redo act on the board in play; pause hides it and stops the clock
    // until any key or click. The help page covers every screen until any key or click.
    void undoMove();
    void redoMove();
    void pause();
    void resume();
    bool isPaused() const { return paused_; }
    void openHelp();
    void closeHelp();
    bool isHelpOpen() const { return helpOpen_; }

    // GameHints.cpp: a hint on the board in play (thirty seconds of play time), and the
    // combination helper (showCombinations is the panel's switch, remembered in the settings).
    void takeHint();
    void showCombinationsFor(const PCell* cell);  // the runs of this cell until the next key
    bool showCombinations = true;

    // GameNewPuzzle.cpp: the chooser of a new level and its making on a worker thread.
    void openChooser();
    void chooseSize(int size);
    void chooseDifficulty(int difficulty);
    void makePuzzle();    // seeded from the clock
    void cancelPuzzle();  // back to the chooser at once; the worker stops on its own
    void closeChooser();
    // Always in range: the settings bring them there and the chooser offers nothing else.
    int32_t newPuzzleSize = 0;        // 0 Small, 1 Medium, 2 Large; remembered in the settings
    int32_t newPuzzleDifficulty = 1;  // 1 to 5

    CVisualStyle* currentStyle() const;  // null only when no style is installed
    std::string pageCaption() const;     // "Page 1/3"
    std::string timeCaption() const;     // play time of the board in play, "MM:SS"

    GameScreen screen = GameScreen::MainMenu;
    std::unique_ptr<UI> ui;                 // the menu screen; holds a pointer back to the game
    std::unique_ptr<Animator> frameClock;   // the play clock: only its last tick matters
    CPuzzle* activePuzzle = nullptr;        // the board in play: one of pageSlots, or null
    std::array<std::unique_ptr<CTallix>, pageSlotCount> pageSlots;  // null where no level
    std::unique_ptr<PPopUp> digitPopUp;     // the ring, "Data\Styles\PopClassic"
    std::unique_ptr<PPopUp> markPopUp;      // the keypad, "Data\Styles\PopClassicQuad"
    std::unique_ptr<Backdrop> backdrop;
    std::unique_ptr<CTextureCache> textureCache;
    std::unique_ptr<CMainFont> mainFont;    // also the UI's font
    int32_t visualStyle = 0;                // index into styles; kept valid while styles exist
    std::vector<std::unique_ptr<CVisualStyle>> styles;  // catalogue order
    std::vector<std::wstring> levelPaths;   // "Data\Levels\..." in catalogue order
    int32_t pageIndex = 0;                  // zero-based page of the level selection
    std::unique_ptr<Widget> panel;          // the strip along the top while a level is played
    // The backdrop with the cells of the board in play or the cards of the level page on it, kept
    // as one picture while none of it changes (GameDraw.cpp).
    std::unique_ptr<CCachedLayer> stillLayer;

private:
    void createResources();
    void destroyResources();
    void placeOnPage(CTallix& board, size_t slot) const;
    CTallix* openBoard() const;  // the board of activePuzzle, null when none is open
    void offerSavedGame(const CTallix& board);

    // GameDraw.cpp
    enum class StillPart { none, backdrop, cards, cells };  // what the still layer shows this frame
    StillPart prepareStillLayer();
    void drawLevelPage(bool layered);
    void drawPlay(bool layered);
    void runSolvedCheck();

    // GamePanel.cpp
    void createPanel();
    void initPanel();
    void showPanel();
    void panelMouseMove(float x, float y);
    bool panelButtonDown(float x, float y, int button);
    bool panelButtonUp(float x, float y, int button);
    void drawPanel();
    void destroyPanel();
    void endPanelDrag();
    void endDrags(float x, float y, int button);  // GameInput.cpp
    bool takenByOverlay();  // GameKeys.cpp: a click or key that closes the help page or ends a pause

    // The play clock stops while paused, while the help page is open and while the window is
    // inactive; the time up to the moment it stops is counted first, and none of the stopped time.
    bool clockStopped() const { return paused_ || helpOpen_ || !active_; }
    void settlePlayTime();          // before the clock stops
    void restartPlayTimeIfRunning();  // after it may go on
    void drawPausedPanel();         // GameDraw.cpp
    void pollPuzzleMaker();         // GameNewPuzzle.cpp: opens the level once it is made
    const PCell* combinationCell();  // GameHints.cpp
    const PCell* cursorCell() const;  // GameKeys.cpp
    void drawCombinations();
    void drawHintReason();
    void openMadeLevel(const std::wstring& name);

    SolvedCheck solvedCheck_;
    bool resultRecorded_ = false;  // the board in play was solved and its medal shown
    bool clockHeldByQuestion_ = false;  // the box open now was asked as the level opened
    bool paused_ = false;
    bool helpOpen_ = false;
    bool active_ = true;              // the window has the focus and is not minimised
    bool swallowRelease_ = false;     // the release of a click that closed the help or ended a pause
    std::unique_ptr<CLevelMaker> levelMaker_;
    const CTallix* hintBoard_ = nullptr;  // the board whose solution hintSolution_ holds
    std::vector<int> hintSolution_;
    const PCell* restingClue_ = nullptr;  // the clue under the pointer, since restingSince_
    uint32_t restingSince_ = 0;
    const PCell* keyCombinationCell_ = nullptr;
    LayerKey layerKey_;  // built afresh every frame; kept for its capacity
};
