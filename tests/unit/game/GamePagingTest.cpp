// The level pages of the controller: which levels fill the slots, the caption, the paging buttons
// and the wheel, and opening a miniature.
#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace {

using gametest::clickButton;

class CGamePagingTest : public gametest::GameFolderTest {
protected:
    std::unique_ptr<CGame> start(int levelCount) {
        writeLevels(levelCount);
        auto game = std::make_unique<CGame>();
        clickButton(*game, *game->ui->pageMain[0]);  // Play
        return game;
    }

    static int filledSlots(const CGame& game) {
        int filled = 0;
        for (const auto& slot : game.pageSlots) filled += slot ? 1 : 0;
        return filled;
    }
    static bool previousEnabled(const CGame& game) { return game.ui->pageLevels[0]->enabled; }
    static bool nextEnabled(const CGame& game) { return game.ui->pageLevels[1]->enabled; }
    static void nextPage(CGame& game) { clickButton(game, *game.ui->pageLevels[1]); }
    static void previousPage(CGame& game) { clickButton(game, *game.ui->pageLevels[0]); }
};

TEST_F(CGamePagingTest, SixLevelsMakeOnePageWithoutNext) {
    auto game = start(6);
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    EXPECT_EQ(filledSlots(*game), 6);
    EXPECT_FALSE(previousEnabled(*game));
    EXPECT_FALSE(nextEnabled(*game));
    EXPECT_EQ(game->pageCaption(), "Page 1/1");
    nextPage(*game);  // disabled: nothing happens
    EXPECT_EQ(game->pageIndex, 0);
}

TEST_F(CGamePagingTest, SevenLevelsPutTheSeventhAloneOnPageTwo) {
    auto game = start(7);
    EXPECT_TRUE(nextEnabled(*game));
    nextPage(*game);
    EXPECT_EQ(game->pageIndex, 1);
    EXPECT_EQ(game->pageCaption(), "Page 2/2");
    ASSERT_TRUE(game->pageSlots[0]);
    EXPECT_EQ(game->pageSlots[0]->name, L"Level07");
    EXPECT_EQ(filledSlots(*game), 1);
    EXPECT_TRUE(previousEnabled(*game));
    EXPECT_FALSE(nextEnabled(*game));
    previousPage(*game);
    EXPECT_EQ(game->pageIndex, 0);
    EXPECT_EQ(game->pageSlots[5]->name, L"Level06");
}

TEST_F(CGamePagingTest, TwelveLevelsEndOnPageTwoThirteenNeedAThird) {
    auto twelve = start(12);
    nextPage(*twelve);
    EXPECT_EQ(twelve->pageCaption(), "Page 2/2");
    EXPECT_EQ(filledSlots(*twelve), 6);
    EXPECT_FALSE(nextEnabled(*twelve));
    twelve.reset();

    std::filesystem::remove_all(levels());
    std::filesystem::create_directories(levels());
    auto thirteen = start(13);
    nextPage(*thirteen);
    EXPECT_TRUE(nextEnabled(*thirteen));
    nextPage(*thirteen);
    EXPECT_EQ(thirteen->pageCaption(), "Page 3/3");
    EXPECT_EQ(filledSlots(*thirteen), 1);
    EXPECT_EQ(thirteen->pageSlots[0]->name, L"Level13");
    EXPECT_FALSE(nextEnabled(*thirteen));
}

// The wheel turns pages within the catalogue, and the paging buttons follow it.
TEST_F(CGamePagingTest, WheelTurnsPagesWithinTheCatalogue) {
    auto game = start(7);
    game->wheel(120);  // away from the user on page 1: nothing before it
    EXPECT_EQ(game->pageIndex, 0);
    game->wheel(-120);
    EXPECT_EQ(game->pageIndex, 1);
    EXPECT_EQ(game->pageSlots[0]->name, L"Level07");
    EXPECT_TRUE(previousEnabled(*game));
    EXPECT_FALSE(nextEnabled(*game));
    gametest::clickButton(*game, *game->ui->pageLevels[0]);  // "<<" works at once
    EXPECT_EQ(game->pageIndex, 0);
    game->wheel(-120);
    game->wheel(-120);  // nothing after page 2
    EXPECT_EQ(game->pageIndex, 1);
    game->wheel(120);
    EXPECT_EQ(game->pageIndex, 0);
    EXPECT_FALSE(previousEnabled(*game));
    EXPECT_TRUE(nextEnabled(*game));
}

TEST_F(CGamePagingTest, NoLevelsShowPageOneOfZeroAndOpenNothing) {
    auto game = start(0);
    EXPECT_EQ(game->pageCaption(), "Page 1/0");
    EXPECT_EQ(filledSlots(*game), 0);
    gametest::click(*game, 0.226f, 0.509f);
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    game->draw();
}

TEST_F(CGamePagingTest, NoDataFolderStillGivesARunningGame) {
    std::filesystem::remove_all(folder / "Data");
    CGame game;
    EXPECT_TRUE(game.levelPaths.empty());
    EXPECT_TRUE(game.styles.empty());
    EXPECT_EQ(game.currentStyle(), nullptr);
    game.draw();
    clickButton(game, *game.ui->pageMain[0]);
    game.draw();
    EXPECT_EQ(game.pageCaption(), "Page 1/0");
}

TEST_F(CGamePagingTest, UnreadableLevelKeepsItsSlotAndOpens) {
    writeLevels(1);
    writeFile(levels() / "Level02.grd", "not a level");
    writeFile(levels() / "Level03.grd", "");
    CGame game;
    ASSERT_EQ(game.levelPaths.size(), 3u);
    EXPECT_TRUE(game.pageSlots[1] && game.pageSlots[2]);
    clickButton(game, *game.ui->pageMain[0]);
    game.draw();
    game.startLevel(1);
    EXPECT_EQ(game.screen, GameScreen::Playing);
    gametest::frameAfter(game, 2000);  // never reported solved: no medal for an empty board
    EXPECT_FALSE(game.ui->isConfirmationOpen());
    gametest::click(game, 0.5f, 0.37f);
    game.wheel(120);
}

// Only the miniature grid counts; the gap between cards opens nothing.
TEST_F(CGamePagingTest, ClickOpensTheMiniatureUnderThePointerOnly) {
    auto game = start(6);
    game->draw();  // the cards size the miniatures
    gametest::click(*game, 0.359f, 0.4f);  // between columns 0 and 1
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    gametest::click(*game, 0.492f, 0.243f);
    EXPECT_EQ(game->screen, GameScreen::Playing);
    EXPECT_EQ(game->activePuzzle, game->pageSlots[4].get());
    EXPECT_FLOAT_EQ(game->activePuzzle->zoom, 1.0f);
    EXPECT_FLOAT_EQ(game->activePuzzle->centreX, 0.5f);
    EXPECT_FLOAT_EQ(game->activePuzzle->centreY, 0.37f);
    EXPECT_EQ(game->ui->currentPage, &game->ui->pageGame);
}

// Paging destroys the boards of the page: the board last played must not stay reachable.
TEST_F(CGamePagingTest, PagingAwayForgetsTheBoardLastPlayed) {
    auto game = start(7);
    game->startLevel(0);
    game->ui->doAction(actionRetire);
    ASSERT_NE(game->activePuzzle, nullptr);
    nextPage(*game);
    EXPECT_EQ(game->activePuzzle, nullptr);
    game->ui->doAction(actionLoadSavedGame);
    game->ui->doAction(actionReset);
    game->ui->doAction(actionRetire);
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
}

}  // namespace
