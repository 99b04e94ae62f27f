// What the controller leaves behind: saved games on Retire and at exit, and the game settings
// with their fallbacks.
#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "gfx/VisualStyle.h"
#include "ui/Widget.h"

namespace {

class CGameLifecycleTest : public gametest::GameFolderTest {
protected:
    std::filesystem::path savedGame() const { return levels() / "Level01.gsv"; }
    std::filesystem::path settings() const { return folder / "Settings.ini"; }
    static void enterDigit(CGame& game) { puzzletest::enter(puzzletest::playable(*game.pageSlots[0], 1, 1), 5); }
};

// A board with a saved game asks at once whether to load it; CANCEL keeps the file until the next
// save, and a Retire without entries is no save.
TEST_F(CGameLifecycleTest, RetireSavesOnlyABoardWithEntries) {
    writeLevels(1);
    writeFile(savedGame(), "an older saved game");
    CGame game;
    game.startLevel(0);
    ASSERT_TRUE(game.ui->isConfirmationOpen());
    EXPECT_EQ(game.ui->message, "Load saved game???");
    gametest::clickButton(game, *game.ui->cancelButton);
    gametest::clickButton(game, *game.ui->pageGame[0]);  // Retire, no digit entered
    EXPECT_EQ(game.screen, GameScreen::LevelSelect);
    EXPECT_EQ(readFile(savedGame()), "an older saved game");

    game.startLevel(0);
    gametest::clickButton(game, *game.ui->cancelButton);
    enterDigit(game);
    gametest::clickButton(game, *game.ui->pageGame[0]);
    EXPECT_EQ(std::filesystem::file_size(savedGame()), 18u + 4u * 13u);
    EXPECT_TRUE(game.pageSlots[0]->savedGameExists);  // the card shows "Saved"
}

TEST_F(CGameLifecycleTest, ExitWhilePlayingWritesTheSavedGame) {
    writeLevels(1);
    {
        CGame game;
        game.startLevel(0);
        enterDigit(game);
        gametest::frameAfter(game, 4200);
    }
    ASSERT_TRUE(std::filesystem::exists(savedGame()));
    std::string bytes = readFile(savedGame());
    EXPECT_EQ(bytes.substr(0, 6), "GRD1BS");
    EXPECT_EQ(static_cast<uint8_t>(bytes[14]) | static_cast<uint8_t>(bytes[15]) << 8, 4200);
}

TEST_F(CGameLifecycleTest, ExitWithoutEntriesOrFromTheMenuWritesNone) {
    writeLevels(1);
    {
        CGame game;
        game.startLevel(0);
    }
    {
        CGame game;
        game.startLevel(0);
        enterDigit(game);
        game.ui->doAction(actionRetire);
        std::filesystem::remove(savedGame());
        game.ui->doAction(actionBack);
    }
    EXPECT_FALSE(std::filesystem::exists(savedGame()));
}

// The result is recorded and the saved game removed when the medal shows; quitting then must not
// bring a finished board back as a saved game.
TEST_F(CGameLifecycleTest, ExitWhileTheMedalShowsLeavesNoSavedGame) {
    writeLevels(1);
    writeFile(savedGame(), "to be removed by the solution");
    {
        CGame game;
        game.startLevel(0);
        gametest::clickButton(game, *game.ui->cancelButton);  // not the saved game
        game.draw();  // the first frame only starts the checks
        gametest::solve(*game.pageSlots[0]);
        gametest::frameAfter(game, 1500);
        ASSERT_TRUE(game.ui->isConfirmationOpen());
    }
    EXPECT_FALSE(std::filesystem::exists(savedGame()));
}

TEST_F(CGameLifecycleTest, SettingsRoundTrip) {
    writeStyleCatalogue("Count=3\n0=Classic\n1=Night\n2=Paper\n");
    writeFile(settings(), "[GameSettings]\nVisualStyle=1\nViewStyle=2\nBGColorChangeTime=5\n");
    {
        CGame game;
        EXPECT_EQ(game.visualStyle, 1);
        EXPECT_EQ(game.panel->viewIndex, 2);
        EXPECT_EQ(game.currentStyle()->name(), L"Night");
        EXPECT_FLOAT_EQ(game.currentStyle()->unusedCellColour()[3], 0.4f);
        EXPECT_FLOAT_EQ(game.styles[0]->unusedCellColour()[3], 0.0f);
        game.visualStyle = 2;
        game.panel->viewIndex = 1;
    }
    std::string text = readFile(settings());
    EXPECT_NE(text.find("VisualStyle=2"), std::string::npos);
    EXPECT_NE(text.find("ViewStyle=1"), std::string::npos);
    EXPECT_NE(text.find("BGColorChangeTime=5"), std::string::npos);
    CGame again;
    EXPECT_EQ(again.currentStyle()->name(), L"Paper");
    EXPECT_FLOAT_EQ(again.currentStyle()->unusedCellColour()[3], 1.0f);
}

TEST_F(CGameLifecycleTest, OutOfRangeSettingsFallBackToTheFirstEntry) {
    writeStyleCatalogue("Count=2\n0=Classic\n1=Night\n");
    writeFile(settings(), "[GameSettings]\nVisualStyle=7\nViewStyle=-1\n");
    {
        CGame game;
        EXPECT_EQ(game.visualStyle, 0);
        EXPECT_EQ(game.panel->viewIndex, 0);
        EXPECT_EQ(game.currentStyle()->name(), L"Classic");
        game.draw();
    }
    std::string text = readFile(settings());
    EXPECT_NE(text.find("VisualStyle=0"), std::string::npos);
    EXPECT_NE(text.find("ViewStyle=0"), std::string::npos);
}

// With no style at all every screen still draws (the boards untextured).
TEST_F(CGameLifecycleTest, EmptyStyleCatalogueRunsWithoutAStyle) {
    writeLevels(2);
    writeStyleCatalogue("Count=2\n");
    writeFile(settings(), "[GameSettings]\nVisualStyle=3\n");
    CGame game;
    EXPECT_EQ(game.currentStyle(), nullptr);
    EXPECT_EQ(game.visualStyle, 0);
    game.draw();
    game.ui->doAction(actionPlay);
    game.draw();
    game.startLevel(1);
    game.draw();
    game.visualStyle = 5;  // as a panel stepping through an empty list might leave it
    game.draw();
}

}  // namespace
