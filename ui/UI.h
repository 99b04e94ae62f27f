// The menu screen: three pages of buttons of which one is current, and a modal confirmation box
// with a message and one or two buttons. The game controller owns one, routes the pointer to it
// first and draws it every frame; clicks become action codes performed by doAction.
//
// Sections: UI.cpp (input, drawing, the confirmation box) | Menus.cpp (the pages and the actions)
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Control.h"
#include "ui/Button.h"

class CGame;
class CMainFont;

// Action codes carried by buttons and by the confirmation box.
enum Action : int32_t {
    actionNone = -1,
    actionPlay = 0,
    actionExit = 2,
    actionBack = 4,
    actionRetire = 5,
    actionPreviousPage = 6,
    actionNextPage = 7,
    actionLoadSavedGame = 8,
    actionReset = 9,
    actionResultSeen = 10,
    actionHomePage = 12,
    actionFeedback = 13,
    actionHelp = 14,
    actionNewPuzzle = 15,      // "New puzzle" on the level page: the chooser
    actionGenerate = 16,
    actionCancelMaking = 17,
    actionCloseChooser = 18,
    actionFirstSize = 20,      // 20, 21, 22: Small, Medium, Large
    actionFirstDifficulty = 31,  // 31 to 35: difficulty 1 to 5
};

// Layouts of the confirmation box.
enum ConfirmationMode : int32_t { confirmYes = 0, confirmOk = 1, confirmYesCancel = 2 };

extern const char* const homePageAddress;  // opened by "Homepage"
extern const char* const feedbackAddress;  // opened by "Feedback"
extern const char* const creditLine;       // bottom right of the main menu

// The box is centred on x 0.5: half as wide as the message at scale 0.6 plus 0.05 on each side,
// but never narrower than 0.15 each side.
float confirmationHalfWidth(float messageWidth);

// The boxes drawn over the view, in view units with a GL context current: a rectangle filled in
// the current colour (or only its outline), and the menu screen's box, dark grey at `alpha` in a
// 2-pixel black outline, which leaves texturing off.
void drawRectangle(float left, float bottom, float right, float top, bool outline = false);
void drawMenuBox(float left, float bottom, float right, float top, float alpha);

using Page = std::vector<std::unique_ptr<uiButton>>;

class UI : public Control {
public:
    UI();
    ~UI() override;
    UI(const UI&) = delete;
    UI& operator=(const UI&) = delete;

    // Control
    void mouseMove(float x, float y) override;               // hover states of the page or the box
    bool buttonDown(float x, float y, int button) override;  // true: a page button was pressed
    bool buttonUp(float x, float y, int button) override;    // true: a button or a box answer clicked
    void draw() override;                                    // the box, then the page over it
    // While the box is open every key is its: Enter answers YES (or OK), Backspace or N answers
    // CANCEL where it is shown. True: the key was taken.
    bool keyAnswer(const platform::Event& press);

    // Opens the box with `message`; the YES/OK button performs `action`, CANCEL nothing.
    void showConfirmation(const std::string& text, int32_t mode, int32_t action);
    bool isConfirmationOpen() const { return confirmationOpen; }
    void askToLoadSavedGame();  // "Load saved game???": YES loads the board's saved game

    // Menus.cpp. buildMenus needs font and game set; doAction performs one code, refreshes the
    // paging buttons on the level screen and closes the box.
    void buildMenus();
    void doAction(int32_t code);
    void showGamePage() { currentPage = &pageGame; }  // a level was opened
    // NewPuzzlePages.cpp: the chooser with the given choices lit, or the page shown while the
    // level is made under `caption`.
    void showChooser(int size, int difficulty);
    void showMaking(const std::string& caption);
    void refreshPagingButtons();  // on the level screen: "<<" and ">>" enabled where they lead somewhere

    const CMainFont* font = nullptr;  // set by the controller before buildMenus; not owned
    CGame* game = nullptr;            // the owning controller
    std::unique_ptr<uiButton> yesButton;
    std::unique_ptr<uiButton> cancelButton;
    std::string message;
    bool confirmationOpen = false;
    std::string makingCaption;  // "Making a Small, Tricky puzzle"
    Page pageMain;    // Play, Homepage, Feedback, Exit, credit line, title shadow, title, How to play
    Page pageLevels;  // "<<" and ">>" first (enabled by position), then Back
    Page pageGame;    // Retire
    Page pageChooser; // a new puzzle: sizes, difficulties, Generate, Back (NewPuzzlePages.cpp)
    Page pageMaking;  // while it is made: Cancel
    Page* currentPage = &pageMain;

private:
    void drawConfirmation();
    bool answerConfirmation(float x, float y);
    uiButton& addButton(Page& page, const std::string& text, float left, float top, float scale,
                        int32_t code);
    void openLevelScreen();
    void buildNewPuzzlePages();
    void drawChooserPanel();  // behind the chooser's pages: a box, the title, the spinner
};
