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
    frameAfter(*game, 5000);
    for (auto [answer, reset] : {std::pair{"n", false}, {"BackSpace", false}, {"Return", true}}) {
        game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionReset);
        type(*game, "7 h");
        EXPECT_TRUE(game->ui->isConfirmationOpen());
        EXPECT_FALSE(game->isHelpOpen());
        type(*game, answer);
        EXPECT_FALSE(game->ui->isConfirmationOpen());
        EXPECT_EQ(board().hasEntries(), !reset);
        EXPECT_EQ(board().elapsed, reset ? 0u : 5000u);
    }
    // "Reset" is one step: Ctrl+Z brings the digit back with the play time it cleared, the time
    // since counting on top; Ctrl+Shift+Z and Ctrl+Y take both again.
    struct Step { const char* keys; bool entries; uint32_t elapsed; };
    for (Step step : {Step{"ctrl+z", true, 6000}, {"ctrl+shift+z", false, 0}, {"ctrl+z", true, 8000}, {"ctrl+y", false, 0}}) {
        frameAfter(*game, 1000);
        type(*game, step.keys);
        EXPECT_EQ(board().hasEntries(), step.entries) << step.keys;
        EXPECT_EQ(board().elapsed, step.elapsed) << step.keys;
    }
}

// A pause and the help page count the play time up to their start and none of theirs; a held key
// repeating does not end them; any other key or click ends them and does nothing else, not even the
// click's release over "Retire". The window's activity as the shell reports it: focus lost or
// minimised stops the clock until the window has both back.
TEST_F(CGameKeysTest, PauseHelpAndAnInactiveWindowStopTheClock) {
    for (auto [key, shown] : {std::pair{"h", &CGame::isHelpOpen}, {"p", &CGame::isPaused}}) {
        play();
        frameAfter(*game, 1000);
        platform::null::advanceTime(400);
        type(*game, key);
        ASSERT_TRUE((game.get()->*shown)()) << key;
        platform::Event held;
        held.type = platform::EventType::KeyPressed;
        held.key = platform::Key::Character;
        held.character = key[0];
        held.repeat = true;
        game->keyDown(held);
        EXPECT_TRUE((game.get()->*shown)()) << key;
        frameAfter(*game, 5000);
        type(*game, "5");
        EXPECT_FALSE((game.get()->*shown)()) << key;
        EXPECT_FALSE(board().hasEntries());
        frameAfter(*game, 100);
        EXPECT_EQ(board().elapsed, 1500u) << key;
    }

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

// H opens the help page on any screen, as does "How to play"; any click closes it without
// reaching what lies underneath. A right click closing it has no release to swallow.
TEST_F(CGameKeysTest, HelpOpensFromAnyScreenAndAnyClickClosesIt) {
    start(1);
    uiButton& howToPlay = *game->ui->pageMain.back();
    ASSERT_EQ(howToPlay.label, "How to play");
    click(*game, howToPlay.x + 0.01f, howToPlay.y - 0.01f);
    EXPECT_TRUE(game->isHelpOpen());
    clickButton(*game, *game->ui->pageMain[0]);  // Play
    EXPECT_FALSE(game->isHelpOpen());
    EXPECT_EQ(game->screen, GameScreen::MainMenu);

    type(*game, "h");
    game->buttonDown(0.5f, 0.5f, 2);  // the shell passes on no right release
    EXPECT_FALSE(game->isHelpOpen());
    clickButton(*game, *game->ui->pageMain[0]);
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
}

}  // namespace
