// The controller's keys: the box answered from the keyboard, undo and redo, pause and the help page,
// and the play clock that neither a pause, the help page nor an inactive window advances.
#include <memory>
#include <utility>

#include <gtest/gtest.h>

#include "app/WindowProc.h"
#include "game/Game.h"
#include "platform/NullBackend.h"
#include "tests/support/Boards.h"
#include "tests/support/TestFiles.h"
#include "ui/UI.h"
#include "ui/Widget.h"

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
platform::Event letter(char character, bool ctrl = false, bool shift = false) {
    return key(platform::Key::Character, character, shift, ctrl);
}

class CGameKeysTest : public GameFolderTest {
protected:
    CGame& play() {
        writeBytes(levels() / "Level01.grd", levelFile(squareGrid()));
        game = std::make_unique<CGame>();
        game->startLevel(0);
        game->draw();
        return *game;
    }
    void frameAfter(uint32_t milliseconds) {
        platform::null::advanceTime(milliseconds);
        game->draw();
    }
    void click(float x, float y) {
        game->mouseMove(x, y);
        game->buttonDown(x, y, 0);
        game->buttonUp(x, y, 0);
    }
    CTallix& board() { return *game->pageSlots[0]; }
    void TearDown() override {
        game.reset();
        GameFolderTest::TearDown();
    }

    std::unique_ptr<CGame> game;
};

}  // namespace

// Enter answers YES or OK, Backspace and N answer CANCEL; the box takes every other key.
TEST_F(CGameKeysTest, TheBoxIsAnsweredFromTheKeyboard) {
    play();
    enter(playable(board(), 1, 1), 3);
    struct Row {
        platform::Event press;
        bool reset;
    } rows[] = {{letter('n'), false}, {key(platform::Key::Backspace), false}, {key(platform::Key::Enter), true}};
    for (const Row& row : rows) {
        game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionReset);
        game->keyDown(letter('7'));
        game->keyDown(letter('h'));
        EXPECT_TRUE(game->ui->isConfirmationOpen());
        EXPECT_FALSE(game->isHelpOpen());
        game->keyDown(row.press);
        EXPECT_FALSE(game->ui->isConfirmationOpen());
        EXPECT_EQ(board().hasEntries(), !row.reset);
    }
    // "Reset" is one step: Ctrl+Z brings the digit back, Ctrl+Shift+Z and Ctrl+Y take it again.
    for (auto [redo, shift] : {std::pair{false, false}, {true, true}, {false, false}, {true, false}}) {
        game->keyDown(letter(redo && !shift ? 'y' : 'z', true, shift));
        EXPECT_EQ(board().hasEntries(), !redo);
    }
}

// A pause counts the play time up to its start and none of it; any key or click ends it and does
// nothing else, not even the click's release over "Retire".
TEST_F(CGameKeysTest, PauseStopsTheClockUntilAnyKeyOrClick) {
    play();
    frameAfter(1000);
    platform::null::advanceTime(400);
    game->keyDown(letter('p'));
    ASSERT_TRUE(game->isPaused());
    frameAfter(5000);
    game->keyDown(letter('5'));
    EXPECT_FALSE(game->isPaused());
    EXPECT_FALSE(board().hasEntries());
    frameAfter(100);
    EXPECT_EQ(board().elapsed, 1500u);

    game->panel->mouseMove(0.5f, 0.7f);
    click(game->panel->pauseButton.x + 0.01f, game->panel->pauseButton.y - 0.01f);
    ASSERT_TRUE(game->isPaused());
    uiButton& retire = *game->ui->pageGame[0];
    click(retire.x + retire.width / 2, retire.y - retire.height / 2);
    EXPECT_FALSE(game->isPaused());
    EXPECT_EQ(game->screen, GameScreen::Playing);
}

// The window's activity as the shell reports it: focus lost or minimised stops the clock until
// the window has both the focus and its size back.
TEST_F(CGameKeysTest, AnInactiveWindowStopsTheClock) {
    play();
    auto event = [](platform::EventType type) {
        platform::Event e;
        e.type = type;
        return e;
    };
    frameAfter(1000);
    platform::null::advanceTime(300);
    WindowProc(event(platform::EventType::FocusLost), game.get());
    frameAfter(4000);
    WindowProc(event(platform::EventType::Minimised), game.get());
    WindowProc(event(platform::EventType::FocusGained), game.get());
    frameAfter(4000);  // still minimised
    WindowProc(event(platform::EventType::Restored), game.get());
    frameAfter(200);
    EXPECT_EQ(board().elapsed, 1500u);
}

// H opens the help page on any screen, as does "How to play"; it stops the clock while playing,
// and any key or click closes it without reaching what lies underneath.
TEST_F(CGameKeysTest, HelpOpensFromAnyScreenAndAnyInputClosesIt) {
    writeBytes(levels() / "Level01.grd", levelFile(squareGrid()));
    game = std::make_unique<CGame>();
    uiButton& howToPlay = *game->ui->pageMain.back();
    ASSERT_EQ(howToPlay.label, "How to play");
    click(howToPlay.x + 0.01f, howToPlay.y - 0.01f);
    EXPECT_TRUE(game->isHelpOpen());
    uiButton& play = *game->ui->pageMain[0];
    click(play.x + 0.01f, play.y - 0.01f);
    EXPECT_FALSE(game->isHelpOpen());
    EXPECT_EQ(game->screen, GameScreen::MainMenu);

    game->startLevel(0);
    game->draw();
    frameAfter(700);
    game->keyDown(letter('h'));
    EXPECT_TRUE(game->isHelpOpen());
    frameAfter(9000);
    game->keyDown(letter('4'));
    EXPECT_FALSE(game->isHelpOpen());
    EXPECT_FALSE(board().hasEntries());
    frameAfter(300);
    EXPECT_EQ(board().elapsed, 1000u);
}
