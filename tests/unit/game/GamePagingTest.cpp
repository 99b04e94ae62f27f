// The level pages of the controller: which levels fill the slots, the caption, the paging buttons
// and the wheel, and opening a miniature.
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

class CGamePagingTest : public GameTest {
protected:
    CGame& levelPage(int levels) {
        start(levels);
        clickButton(*game, *game->ui->pageMain[0]);  // Play
        return *game;
    }
    int filledSlots() const {
        int filled = 0;
        for (const auto& slot : game->pageSlots) filled += slot ? 1 : 0;
        return filled;
    }
    bool previousEnabled() const { return game->ui->pageLevels[0]->enabled; }
    bool nextEnabled() const { return game->ui->pageLevels[1]->enabled; }
    void nextPage() { clickButton(*game, *game->ui->pageLevels[1]); }
    void previousPage() { clickButton(*game, *game->ui->pageLevels[0]); }
};

// Pages of six: each page's caption, filled slots, first level and paging buttons, ">>" doing
// nothing on the last page and "<<" leading back to the first.
TEST_F(CGamePagingTest, PagesOfSixWithTheirCaptionsAndButtons) {
    struct Page { std::string caption; int filled; std::wstring first; bool previous, next; };
    struct Row { int levels; std::vector<Page> pages; };
    const Page firstOfTwo{"Page 1/2", 6, L"Level01", false, true};
    for (const Row& row : {Row{6, {{"Page 1/1", 6, L"Level01", false, false}}},
                           Row{7, {firstOfTwo, {"Page 2/2", 1, L"Level07", true, false}}},
                           Row{12, {firstOfTwo, {"Page 2/2", 6, L"Level07", true, false}}},
                           Row{13, {{"Page 1/3", 6, L"Level01", false, true}, {"Page 2/3", 6, L"Level07", true, true},
                                    {"Page 3/3", 1, L"Level13", true, false}}}}) {
        SCOPED_TRACE(row.levels);
        game.reset();
        fs::remove_all(levels());
        levelPage(row.levels);
        EXPECT_EQ(game->screen, GameScreen::LevelSelect);
        for (size_t page = 0; page < row.pages.size(); ++page) {
            const Page& expected = row.pages[page];
            EXPECT_EQ(game->pageIndex, int(page));
            EXPECT_EQ(game->pageCaption(), expected.caption);
            EXPECT_EQ(filledSlots(), expected.filled);
            ASSERT_TRUE(game->pageSlots[0]);
            EXPECT_EQ(game->pageSlots[0]->name, expected.first);
            EXPECT_EQ(previousEnabled(), expected.previous);
            EXPECT_EQ(nextEnabled(), expected.next);
            nextPage();
        }
        EXPECT_EQ(game->pageIndex, int(row.pages.size()) - 1);
        for (size_t page = 1; page < row.pages.size(); ++page) previousPage();
        EXPECT_EQ(game->pageIndex, 0);
        EXPECT_EQ(game->pageSlots[5]->name, L"Level06");
    }
}

// The wheel turns pages within the catalogue, and the paging buttons follow it.
TEST_F(CGamePagingTest, WheelTurnsPagesWithinTheCatalogue) {
    levelPage(7);
    game->wheel(120);  // away from the user on page 1: nothing before it
    EXPECT_EQ(game->pageIndex, 0);
    game->wheel(-120);
    EXPECT_EQ(game->pageIndex, 1);
    EXPECT_EQ(game->pageSlots[0]->name, L"Level07");
    EXPECT_TRUE(previousEnabled());
    EXPECT_FALSE(nextEnabled());
    previousPage();  // "<<" works at once
    EXPECT_EQ(game->pageIndex, 0);
    game->wheel(-120);
    game->wheel(-120);  // nothing after page 2
    EXPECT_EQ(game->pageIndex, 1);
    game->wheel(120);
    EXPECT_EQ(game->pageIndex, 0);
    EXPECT_FALSE(previousEnabled());
    EXPECT_TRUE(nextEnabled());
}

// Without a Data folder there are no levels and no styles, and every screen still works.
TEST_F(CGamePagingTest, NoDataFolderStillGivesARunningGame) {
    fs::remove_all(folder / "Data");
    game = std::make_unique<CGame>();
    EXPECT_TRUE(game->levelPaths.empty());
    EXPECT_TRUE(game->styles.empty());
    EXPECT_EQ(game->currentStyle(), nullptr);
    game->draw();
    clickButton(*game, *game->ui->pageMain[0]);
    game->draw();
    EXPECT_EQ(game->pageCaption(), "Page 1/0");
    EXPECT_EQ(filledSlots(), 0);
    click(*game, 0.226f, 0.509f);  // where the first miniature would be
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    game->draw();
}

TEST_F(CGamePagingTest, UnreadableLevelKeepsItsSlotAndOpens) {
    writeText(levels() / "Level02.grd", "not a level");
    writeText(levels() / "Level03.grd", "");
    start(1);
    ASSERT_EQ(game->levelPaths.size(), 3u);
    EXPECT_TRUE(game->pageSlots[1] && game->pageSlots[2]);
    clickButton(*game, *game->ui->pageMain[0]);
    game->draw();
    game->startLevel(1);
    EXPECT_EQ(game->screen, GameScreen::Playing);
    frameAfter(*game, 2000);  // never reported solved: no medal for an empty board
    EXPECT_FALSE(game->ui->isConfirmationOpen());
    click(*game, 0.5f, 0.37f);
    game->wheel(120);
}

// Only the miniature grid counts; the gap between cards opens nothing.
TEST_F(CGamePagingTest, ClickOpensTheMiniatureUnderThePointerOnly) {
    levelPage(6).draw();  // the cards size the miniatures
    click(*game, 0.359f, 0.4f);  // between columns 0 and 1
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    click(*game, 0.492f, 0.243f);
    EXPECT_EQ(game->screen, GameScreen::Playing);
    EXPECT_EQ(game->activePuzzle, game->pageSlots[4].get());
    EXPECT_FLOAT_EQ(game->activePuzzle->zoom, 1.0f);
    EXPECT_FLOAT_EQ(game->activePuzzle->centreX, 0.5f);
    EXPECT_FLOAT_EQ(game->activePuzzle->centreY, 0.37f);
    EXPECT_EQ(game->ui->currentPage, &game->ui->pageGame);
}

// Paging destroys the boards of the page: the board last played must not stay reachable.
TEST_F(CGamePagingTest, PagingAwayForgetsTheBoardLastPlayed) {
    levelPage(7).startLevel(0);
    game->ui->doAction(actionRetire);
    ASSERT_NE(game->activePuzzle, nullptr);
    nextPage();
    EXPECT_EQ(game->activePuzzle, nullptr);
    game->ui->doAction(actionLoadSavedGame);
    game->ui->doAction(actionReset);
    game->ui->doAction(actionRetire);
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
}

}  // namespace
