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
    long filledSlots() const {
        return std::count_if(game->pageSlots.begin(), game->pageSlots.end(), [](const auto& slot) { return bool(slot); });
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

// The wheel turns pages within the catalogue (away from the user: back), and the paging buttons
// follow it; "<<" (delta 0 here) works at once after it.
TEST_F(CGamePagingTest, WheelTurnsPagesWithinTheCatalogue) {
    levelPage(7);
    for (auto [delta, page] : {std::pair{120, 0}, {-120, 1}, {0, 0}, {-120, 1}, {-120, 1}, {120, 0}}) {
        delta ? game->wheel(delta) : previousPage();
        EXPECT_EQ(game->pageIndex, page);
        EXPECT_EQ(game->pageSlots[0]->name, page ? L"Level07" : L"Level01");
        EXPECT_EQ(previousEnabled(), page == 1);
        EXPECT_EQ(nextEnabled(), page == 0);
    }
}

// Without a Data folder there are no levels and no styles, and every screen still works. A level
// that cannot be read keeps its slot, draws, opens, takes input and is never reported solved.
TEST_F(CGamePagingTest, NoDataFolderOrUnreadableLevelsStillGiveARunningGame) {
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

    writeText(levels() / "Level02.grd", "not a level");
    writeText(levels() / "Level03.grd", "");
    levelPage(1).draw();
    ASSERT_EQ(game->levelPaths.size(), 3u);
    EXPECT_TRUE(game->pageSlots[1] && game->pageSlots[2]);
    game->startLevel(1);
    EXPECT_EQ(game->screen, GameScreen::Playing);
    frameAfter(*game, 2000);
    EXPECT_FALSE(game->ui->isConfirmationOpen());
    click(*game, 0.5f, 0.37f);
    game->wheel(120);
}

// Only the miniature grid counts; the gap between cards opens nothing. Paging destroys the boards
// of the page: the board last played must not stay reachable.
TEST_F(CGamePagingTest, ClickOpensTheMiniatureUnderThePointerOnlyAndPagingForgetsIt) {
    levelPage(6).draw();  // the cards size the miniatures
    click(*game, 0.359f, 0.4f);  // between columns 0 and 1
    EXPECT_EQ(game->screen, GameScreen::LevelSelect);
    click(*game, 0.492f, 0.243f);
    EXPECT_EQ(game->screen, GameScreen::Playing);
    EXPECT_EQ(game->activePuzzle, game->pageSlots[4].get());
    EXPECT_EQ(std::make_tuple(game->activePuzzle->zoom, game->activePuzzle->centreX, game->activePuzzle->centreY),
              std::make_tuple(1.0f, 0.5f, 0.37f));
    EXPECT_EQ(game->ui->currentPage, &game->ui->pageGame);

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
