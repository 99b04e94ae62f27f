// The controller's keys: the box answered from the keyboard, undo and redo, pause and the help page,
// and the play clock that neither a pause, the help page nor an inactive window advances.
#include "app/WindowProc.h"
#include "tests/support/PlayFixtures.h"
#include "ui/Widget.h"

using namespace playtest;

namespace {

using CGameKeysTest = GameTest;

// Enter answers YES or OK, Backspace and N answer CANCEL; the box takes every other key.
TEST_F(CGameKeysTest, TheBoxIsAnsweredFromTheKeyboard) {
    play();
    enter(playable(board(), 1, 1), 3);
    for (auto [answer, reset] : {std::pair{"n", false}, {"BackSpace", false}, {"Return", true}}) {
        game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionReset);
        type(*game, "7 h");
        EXPECT_TRUE(game->ui->isConfirmationOpen());
        EXPECT_FALSE(game->isHelpOpen());
        type(*game, answer);
        EXPECT_FALSE(game->ui->isConfirmationOpen());
        EXPECT_EQ(board().hasEntries(), !reset);
    }
    // "Reset" is one step: Ctrl+Z brings the digit back, Ctrl+Shift+Z and Ctrl+Y take it again.
    for (auto [keys, entries] : {std::pair{"ctrl+z", true}, {"ctrl+shift+z", false}, {"ctrl+z", true}, {"ctrl+y", false}}) {
        type(*game, keys);
        EXPECT_EQ(board().hasEntries(), entries) << keys;
    }
}

// A pause counts the play time up to its start and none of it; any key or click ends it and does
// nothing else, not even the click's release over "Retire". The window's activity as the shell
// reports it: focus lost or minimised stops the clock until the window has both back.
TEST_F(CGameKeysTest, PauseAndAnInactiveWindowStopTheClock) {
    play();
    frameAfter(*game, 1000);
    platform::null::advanceTime(400);
    type(*game, "p");
    ASSERT_TRUE(game->isPaused());
    frameAfter(*game, 5000);
    type(*game, "5");
    EXPECT_FALSE(game->isPaused());
    EXPECT_FALSE(board().hasEntries());
    frameAfter(*game, 100);
    EXPECT_EQ(board().elapsed, 1500u);

    auto report = [this](platform::EventType type) {
        platform::Event event;
        event.type = type;
        WindowProc(event, game.get());
    };
    platform::null::advanceTime(300);
    report(platform::EventType::FocusLost);
    frameAfter(*game, 4000);
    report(platform::EventType::Minimised);
    report(platform::EventType::FocusGained);
    frameAfter(*game, 4000);  // still minimised
    report(platform::EventType::Restored);
    frameAfter(*game, 200);
    EXPECT_EQ(board().elapsed, 2000u);

    game->panel->mouseMove(0.5f, 0.7f);
    click(*game, game->panel->pauseButton.x + 0.01f, game->panel->pauseButton.y - 0.01f);
    ASSERT_TRUE(game->isPaused());
    clickButton(*game, *game->ui->pageGame[0]);  // Retire
    EXPECT_FALSE(game->isPaused());
    EXPECT_EQ(game->screen, GameScreen::Playing);
}

// H opens the help page on any screen, as does "How to play"; it stops the clock while playing,
// and any key or click closes it without reaching what lies underneath.
TEST_F(CGameKeysTest, HelpOpensFromAnyScreenAndAnyInputClosesIt) {
    start(1);
    uiButton& howToPlay = *game->ui->pageMain.back();
    ASSERT_EQ(howToPlay.label, "How to play");
    click(*game, howToPlay.x + 0.01f, howToPlay.y - 0.01f);
    EXPECT_TRUE(game->isHelpOpen());
    clickButton(*game, *game->ui->pageMain[0]);  // Play
    EXPECT_FALSE(game->isHelpOpen());
    EXPECT_EQ(game->screen, GameScreen::MainMenu);

    game->startLevel(0);
    game->draw();
    frameAfter(*game, 700);
    type(*game, "h");
    EXPECT_TRUE(game->isHelpOpen());
    frameAfter(*game, 9000);
    type(*game, "4");
    EXPECT_FALSE(game->isHelpOpen());
    EXPECT_FALSE(board().hasEntries());
    frameAfter(*game, 300);
    EXPECT_EQ(board().elapsed, 1000u);
}

}  // namespace
