// The controller's frame on a real context: the black bands over everything, and the pop-up of
// the played board over the bands.
#include "game/Game.h"

#include "GLContext.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "puzzle/PopUp.h"
#include "tests/support/Boards.h"
#include "tests/support/TestFiles.h"
#include "ui/UI.h"

namespace {

uint32_t fakeTime = 0;
uint32_t fakeClock() { return fakeTime; }

// An empty game folder but for one 3 x 3 level: no images, so the backdrop is an untextured quad
// in its white tint and the pop-up items are white squares.
class CGameRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        fakeTime = 50000;
        platform::overrideClocks(fakeClock, fakeClock);
        testsupport::writeBytes(folder / "Data/Levels/Level01.grd", testsupport::levelFile(testsupport::squareGrid()));
        game = std::make_unique<CGame>();
    }
    void TearDown() override { platform::overrideClocks(nullptr, nullptr); }

    void frame() {
        glClear(GL_COLOR_BUFFER_BIT);
        game->draw();
    }

    std::unique_ptr<CGame> game;
};

TEST_F(CGameRender, BandsCoverTheTopAndBottomOfEveryScreen) {
    frame();
    EXPECT_TRUE(render::shows(0.9f, 0.4f, 255, 255, 255));  // the backdrop
    EXPECT_TRUE(render::shows(0.9f, 0.70f, 0, 0, 0));
    EXPECT_TRUE(render::shows(0.9f, 0.05f, 0, 0, 0));
    game->ui->doAction(actionPlay);
    frame();
    EXPECT_TRUE(render::shows(0.226f, 0.70f, 0, 0, 0));
    EXPECT_TRUE(render::shows(0.9f, 0.05f, 0, 0, 0));
}

// A board dragged up to the band: its ring pop-up still shows over the band.
TEST_F(CGameRender, PopUpIsDrawnOverTheTopBand) {
    game->startLevel(0);
    CTallix& board = *game->pageSlots[0];
    board.centreY += 0.63f - (board.top() - 1.5f * board.cellEdge());  // row 1 at 0.63, below the panel strip
    float x = board.left() + 1.5f * board.cellEdge();
    float y = board.top() - 1.5f * board.cellEdge();
    game->mouseMove(x, y);
    game->buttonDown(x, y, 0);
    ASSERT_TRUE(game->digitPopUp->isOpen());
    frame();
    fakeTime += 400;  // fully grown
    frame();
    // item 1 of the ring: 20 degrees right of the top, 0.05 from the centre
    EXPECT_TRUE(render::shows(x + 0.0171f, y + 0.047f, 255, 255, 255, 12));
    game->digitPopUp->close();
    frame();
    EXPECT_TRUE(render::shows(x + 0.0171f, y + 0.047f, 0, 0, 0));
}

}  // namespace
