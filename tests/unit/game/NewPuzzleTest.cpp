// Levels made in the game: every size and difficulty gives a level that the game's reader loads,
// clear of the captions at the starting view, of the grade asked for (the generator's own tests
// solve what it makes); names count on from the highest one; a level that cannot be saved leaves
// nothing behind; the chooser opens what it made and remembers the choice.
#include "game/NewPuzzle.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "puzzle/StartingView.h"
#include "tests/support/PlayFixtures.h"

using namespace testsupport;
using NewPuzzleTest = GameFolderTest;

TEST_F(NewPuzzleTest, EverySizeAndDifficultyGivesAPlayableLevelOfItsGrade) {
    std::vector<std::wstring> paths;
    for (int size = 0; size < 3; ++size)
        for (int difficulty = 1; difficulty <= 5; ++difficulty) {
            SCOPED_TRACE(std::to_string(size) + " " + std::to_string(difficulty));
            levels::GeneratedLevel level;
            ASSERT_TRUE(levels::generateLevel(newPuzzleOptions(size, difficulty, 11), level));
            EXPECT_EQ(level.grade.hardest, int(levels::difficultyProfile(difficulty).technique));
            std::wstring name = newLevelName(paths, difficulty);
            ASSERT_TRUE(saveNewLevel(name, level));
            paths.push_back(newLevelPath(name));
            CTallix board;
            ASSERT_TRUE(board.loadLevel(paths.back()));
            EXPECT_EQ(board.width, puzzleSizes[size_t(size)].width);
            EXPECT_GT(board.gold, 0);  // the records were written with it
            for (int column = 0; column < board.width; ++column)
                for (int row = 0; row < board.height; ++row)
                    EXPECT_TRUE(!startingView::underCaption(board.width, board.height, column, row) ||
                                board.cellAt(column, row)->kind == kindUnused) << column << "," << row;
        }
    EXPECT_EQ(paths.back(), L"Data\\Levels\\~N015 Brutal.grd");
    EXPECT_EQ(newLevelName({L"Data\\Levels\\60 Summit.grd", L"Data\\Levels\\~N099 Easy.grd", L"Data\\Levels\\~Nx.grd"}, 9),
              L"~N100 Brutal");
}

// Records that cannot be written take the level file with them.
TEST_F(NewPuzzleTest, ALevelThatCannotBeSavedLeavesNothingBehind) {
    levels::GeneratedLevel level;
    ASSERT_TRUE(levels::generateLevel(newPuzzleOptions(0, 1, 3), level));
    std::filesystem::create_directories(levels() / "Recs.ini");  // a folder where the file should be
    EXPECT_FALSE(saveNewLevel(L"~N001 Easy", level));
    EXPECT_FALSE(std::filesystem::exists(levels() / "~N001 Easy.grd"));
}

// Generate from the chooser: the level is opened for play once made; Cancel leaves no file; the
// choice is written with the settings.
using NewPuzzleGame = playtest::GameTest;
TEST_F(NewPuzzleGame, TheChooserOpensWhatItMadeAndRemembersTheChoice) {
    start(0);
    game->openChooser();
    game->chooseSize(1);
    game->chooseDifficulty(2);
    game->makePuzzle();
    game->cancelPuzzle();
    for (int i = 0; i < 50; ++i) game->draw();
    EXPECT_EQ(game->screen, GameScreen::NewPuzzle);
    EXPECT_TRUE(std::filesystem::is_empty(levels()));
    game->makePuzzle();
    for (int i = 0; i < 60000 && game->screen != GameScreen::Playing; ++i) {  // the worker's time
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        game->draw();
    }
    ASSERT_EQ(game->screen, GameScreen::Playing);
    EXPECT_EQ(game->activePuzzle->name, L"~N001 Fair");
    EXPECT_TRUE(std::filesystem::exists(levels() / "~N001 Fair.grd"));
    game.reset();
    IniFile settings(baseDirectory + L"Settings.ini");
    EXPECT_EQ(settings.readInt(L"GameSettings", L"NewPuzzleSize", 0), 1);
    EXPECT_EQ(settings.readInt(L"GameSettings", L"NewPuzzleDifficulty", 0), 2);
}
