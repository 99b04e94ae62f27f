// What the controller leaves behind: saved games on Retire and at exit, and the game settings
// with their fallbacks.
#include "gfx/VisualStyle.h"
#include "tests/support/PlayFixtures.h"
#include "ui/Widget.h"

using namespace playtest;

namespace {

class CGameLifecycleTest : public GameTest {
protected:
    fs::path savedGame() const { return levels() / "Level01.gsv"; }
    fs::path settings() const { return folder / "Settings.ini"; }
    void enterDigit() { enter(playable(board(), 1, 1), 5); }
    void quit() { game.reset(); }  // the game ends, writing what it writes at exit
};

// A board with a saved game asks at once whether to load it; CANCEL keeps the file until the next
// save, and a Retire without entries is no save.
TEST_F(CGameLifecycleTest, RetireSavesOnlyABoardWithEntries) {
    writeText(savedGame(), "an older saved game");
    start(1).startLevel(0);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    EXPECT_EQ(game->ui->message, "Load saved game???");
    clickButton(*game, *game->ui->cancelButton);
    clickButton(*game, *game->ui->pageGame[0]);  // Retire, no digit entered
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    EXPECT_EQ(readText(savedGame()), "an older saved game");

    game->startLevel(0);
    clickButton(*game, *game->ui->cancelButton);
    enterDigit();
    clickButton(*game, *game->ui->pageGame[0]);
    EXPECT_EQ(fs::file_size(savedGame()), 18u + 4u * 13u);
    EXPECT_TRUE(board().savedGameExists);  // the card shows "Saved"
}

// Exit while playing writes the saved game with its time; neither a board without entries nor a
// game left from the menu writes one. The result is recorded and the saved game removed when the
// medal shows; quitting then must not bring a finished board back as a saved game.
TEST_F(CGameLifecycleTest, ExitWhilePlayingWritesTheSavedGameButNotAfterTheMedal) {
    play();
    enterDigit();
    frameAfter(*game, 4200);
    quit();
    Bytes bytes = readBytes(savedGame());
    ASSERT_EQ(bytes.size(), 18u + 4u * 13u);
    EXPECT_EQ(bytes[14] | bytes[15] << 8, 4200);  // the time, after the header and the size

    fs::remove(savedGame());
    play();
    quit();
    play();
    enterDigit();
    game->ui->doAction(actionRetire);
    fs::remove(savedGame());
    game->ui->doAction(actionBack);
    quit();
    EXPECT_FALSE(fs::exists(savedGame()));

    writeText(savedGame(), "to be removed by the solution");
    start(1).startLevel(0);
    clickButton(*game, *game->ui->cancelButton);  // not the saved game
    game->draw();  // the first frame only starts the checks
    solve(board());
    frameAfter(*game, 1500);
    ASSERT_TRUE(game->ui->isConfirmationOpen());
    quit();
    EXPECT_FALSE(fs::exists(savedGame()));
}

// The style and view are read with the view's opacity applied to the style in use, written back at
// exit beside the keys the game only reads, and come back after a restart, as does the sums switch.
TEST_F(CGameLifecycleTest, SettingsRoundTrip) {
    writeText(settings(), "[GameSettings]\nVisualStyle=1\nViewStyle=2\nBGColorChangeTime=5\n");
    start(0, "Count=3\n0=Classic\n1=Night\n2=Paper\n");
    EXPECT_EQ(game->visualStyle, 1);
    EXPECT_EQ(game->panel->viewIndex, 2);
    EXPECT_EQ(game->currentStyle()->name(), L"Night");
    EXPECT_FLOAT_EQ(game->currentStyle()->unusedCellColour()[3], 0.4f);
    EXPECT_FLOAT_EQ(game->styles[0]->unusedCellColour()[3], 0.0f);
    game->visualStyle = 2;
    game->panel->viewIndex = 1;
    game->showCombinations = false;
    quit();
    std::string text = readText(settings());
    for (const char* line : {"VisualStyle=2", "ViewStyle=1", "BGColorChangeTime=5"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    game = std::make_unique<CGame>();
    EXPECT_EQ(game->currentStyle()->name(), L"Paper");
    EXPECT_FLOAT_EQ(game->currentStyle()->unusedCellColour()[3], 1.0f);
    EXPECT_FALSE(game->showCombinations);
}

// Out-of-range settings fall back to the first style and view, and are written back so. With no
// style at all every screen still draws (the boards untextured).
TEST_F(CGameLifecycleTest, OutOfRangeSettingsFallBackToTheFirstEntryOrNone) {
    writeText(settings(), "[GameSettings]\nVisualStyle=2\nViewStyle=-1\n");
    start(0, "Count=2\n0=Classic\n1=Night\n").draw();
    EXPECT_EQ(game->visualStyle, 0);
    EXPECT_EQ(game->panel->viewIndex, 0);
    EXPECT_EQ(game->currentStyle()->name(), L"Classic");
    quit();
    for (const char* line : {"VisualStyle=0", "ViewStyle=0"}) EXPECT_NE(readText(settings()).find(line), std::string::npos);

    writeText(settings(), "[GameSettings]\nVisualStyle=3\n");
    start(2, "Count=2\n");
    EXPECT_EQ(game->currentStyle(), nullptr);
    EXPECT_EQ(game->visualStyle, 0);
    game->draw();
    game->ui->doAction(actionPlay);
    game->draw();
    game->startLevel(1);
    game->draw();
    game->visualStyle = 5;  // as a panel stepping through an empty list might leave it
    game->draw();
}

}  // namespace
