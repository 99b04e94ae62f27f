// The still layer against direct drawing, frame for frame, through both ways of filling it: a turned
// level page, and the largest shipped board in play with a hovered cell, where each comparison changes
// one thing only (the style, the zoom or an entered digit). A change shows in the very next frame.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "GLContext.h"
#include "game/Game.h"
#include "gfx/VisualStyle.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"
#include "tests/support/TestFiles.h"
#include "ui/Widget.h"

namespace {

using render::Frame;
using render::readFrame;
using Method = CCachedLayer::Method;

uint32_t fixedTime() { return 90000; }  // the backdrop keeps its tint, the clock its caption

// Pixels with a colour channel more than two levels apart.
int differingPixels(const Frame& a, const Frame& b) {
    int count = 0;
    for (size_t i = 0; i + 3 < a.size(); i += 4)
        count += std::abs(a[i] - b[i]) > 2 || std::abs(a[i + 1] - b[i + 1]) > 2 || std::abs(a[i + 2] - b[i + 2]) > 2;
    return count;
}

class StillLayerRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        std::filesystem::create_directory_symlink(testsupport::builtGameFolder() / "Data", folder / "Data");
        platform::overrideClocks(fixedTime, fixedTime);
        game = std::make_unique<CGame>();
    }
    void TearDown() override {
        game.reset();
        platform::overrideClocks(nullptr, nullptr);
        render::GLContextTest::TearDown();
    }

    Frame frame() {
        glClear(GL_COLOR_BUFFER_BIT);
        game->draw();
        return readFrame();
    }

    // What the frame shows in state `after`: drawn directly; then with a layer that had taken its
    // picture in state `before`, in the first frame after the change and once it took it again.
    template <typename Before, typename After>
    void expectSameAsDirect(Method method, Before before, After after) {
        game->stillLayer = std::make_unique<CCachedLayer>(Method::Direct);
        after();
        Frame direct = frame();
        game->stillLayer = std::make_unique<CCachedLayer>(method);
        before();
        frame();
        frame();
        ASSERT_TRUE(game->stillLayer->shown());
        after();
        EXPECT_EQ(differingPixels(frame(), direct), 0) << "the first frame after the change";
        Frame layered = frame();
        EXPECT_TRUE(game->stillLayer->shown());
        EXPECT_EQ(game->stillLayer->method(), method);
        EXPECT_EQ(differingPixels(layered, direct), 0) << "from the layer";
    }

    std::unique_ptr<CGame> game;
};

TEST_F(StillLayerRender, LevelPageAndLargestBoardInEveryStyleLookAsDrawnDirectly) {
    ASSERT_GE(game->styles.size(), 3u);
    size_t summit = 0;
    while (summit < game->levelPaths.size() && game->levelPaths[summit].find(L"Summit") == std::wstring::npos) ++summit;
    ASSERT_LT(summit, game->levelPaths.size());
    for (Method method : {Method::Framebuffer, Method::CopyFromFrame}) {
        SCOPED_TRACE(int(method));
        game->screen = GameScreen::LevelSelect;
        auto toPage = [&](size_t page) {
            game->pageIndex = int32_t(page);
            game->rebuildPage(false);
        };
        expectSameAsDirect(method, [&] { toPage(0); }, [&] { toPage(summit / 6); });
        game->startLevel(summit % 6);
        CTallix& board = *game->pageSlots[summit % 6];
        // A digit in the first playable cell, which the smallest zoom shows; the pointer on the
        // playable cell nearest the middle, which every zoom keeps on screen.
        PCell* entered = nullptr;
        PCell* hovered = nullptr;
        int hoveredColumn = 0, hoveredRow = 0, nearest = 1 << 30;
        for (int row = 0; row < board.height; ++row)
            for (int column = 0; column < board.width; ++column) {
                PCell* cell = board.cellAt(column, row);
                if (!cell || cell->kind != kindPlayable) continue;
                if (!entered) entered = cell;
                int distance = std::abs(2 * column - board.width) + std::abs(2 * row - board.height);
                if (cell != entered && distance < nearest)
                    hovered = cell, hoveredColumn = column, hoveredRow = row, nearest = distance;
            }
        ASSERT_NE(hovered, nullptr);
        auto show = [&](size_t style, float zoom, int digit) {
            static_cast<PCellActive*>(entered)->value = digit;
            game->visualStyle = int32_t(style % game->styles.size());
            game->currentStyle()->setUnusedCellAlpha(game->panel->viewOpacity());
            board.zoom = zoom;
            float edge = board.cellEdge();
            game->mouseMove(board.left() + (float(hoveredColumn) + 0.5f) * edge,
                            board.top() - (float(hoveredRow) + 0.5f) * edge);
        };
        for (size_t style = 0; style < game->styles.size(); ++style)
            for (float zoom : {1.0f, 0.7f, 1.6f}) {
                SCOPED_TRACE(testing::Message() << "style " << style << ", zoom " << zoom);
                auto before = [&] { show(style + (zoom == 1.0f), zoom == 1.6f ? 1.76f : zoom, zoom == 0.7f ? 0 : 7); };
                expectSameAsDirect(method, before, [&] { show(style, zoom, 7); });
                ASSERT_EQ(board.hoveredCell, hovered);
            }
        game->screen = GameScreen::MainMenu;
        game->activePuzzle = nullptr;
    }
}

}  // namespace
