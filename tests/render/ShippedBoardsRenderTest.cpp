// Boards drawn in every style the game ships, from the built Data folder, as the player sees them:
// every cell of every shipped level shows its kind's image, and the numbers of a small board land
// inside their cells, each clue sum on its own side of the clue cell's diagonal.
#include <array>
#include <cmath>
#include <tuple>

#include "GLContext.h"
#include "app/Shell.h"
#include "game/StyleCatalogue.h"
#include "gfx/TextureBinding.h"
#include "gfx/VisualStyle.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "tests/support/Boards.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;
using namespace testsupport;
using render::Frame;
using render::frameHeight;
using render::frameWidth;

namespace {

Frame draw(CTallix& board, const CVisualStyle& style) {
    glClear(GL_COLOR_BUFFER_BIT);
    forgetTextureBinding();
    board.drawBoard(&style);
    return render::readFrame();
}

const uint8_t* pixelAt(const Frame& frame, int x, int y) { return &frame[(size_t(y) * frameWidth + size_t(x)) * 4]; }

// ---- each cell's image: the mean of its top-left corner, which holds no number ----------------

using Mean = std::array<float, 3>;

int cellLeftPixel(const CTallix& board, int column) {
    return int(std::lround((board.left() + float(column) * board.cellEdge()) * frameWidth));
}
int cellTopPixel(const CTallix& board, int row) {  // counted from the bottom
    return int(std::lround((board.top() - float(row) * board.cellEdge()) / 0.75f * frameHeight)) - 1;
}

Mean cornerMean(const Frame& frame, const CTallix& board, int column, int row) {
    const int x = cellLeftPixel(board, column), yTop = cellTopPixel(board, row);
    Mean mean{};
    for (int dy = 4; dy < 14; ++dy)
        for (int dx = 4; dx < 14; ++dx)
            for (int c = 0; c < 3; ++c) mean[c] += pixelAt(frame, x + dx, yTop - dy)[c] / 100.0f;
    return mean;
}

// ---- where numbers land: the pixels that differ between two frames -----------------------------

struct Place {
    int column, row;
    float fx, fy;  // inside the cell, 0..1 from its left and from its top
};

std::vector<Place> differences(const Frame& a, const Frame& b, const CTallix& board) {
    std::vector<Place> places;
    for (int y = 0; y < frameHeight; ++y)
        for (int x = 0; x < frameWidth; ++x)
            for (int c = 0; c < 3; ++c) {
                if (std::abs(int(pixelAt(a, x, y)[c]) - int(pixelAt(b, x, y)[c])) <= 24) continue;
                float cx = ((float(x) + 0.5f) / frameWidth - board.left()) / board.cellEdge();
                float cy = (board.top() - (float(y) + 0.5f) / frameHeight * 0.75f) / board.cellEdge();
                places.push_back({int(std::floor(cx)), int(std::floor(cy)), cx - std::floor(cx), cy - std::floor(cy)});
                break;
            }
    return places;
}

class ShippedBoardsRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        useBuiltGameFolder();
        styleNames = readStyleCatalogue(baseDirectory + styleCatalogueName);
        ASSERT_GE(styleNames.size(), 3u);
    }

    std::vector<std::wstring> styleNames;
};

}  // namespace

// Each cell's corner matches the same corner of a reference cell of its kind drawn alone at the
// same size on the same background; a cell drawn without its image shows the magenta background
// (or a glyph texture) and is far off. Summit-before.grd is an old grid whose clue cells, after
// unused ones, were once drawn transparent.
TEST_F(ShippedBoardsRender, EveryCellOfEveryLevelShowsItsKindsImage) {
    std::vector<fs::path> levels;
    for (const auto& entry : fs::directory_iterator(fs::current_path() / "Data/Levels"))
        if (entry.path().extension() == ".grd") levels.push_back(entry.path());
    levels.push_back(fs::path(TALLIX_SOURCE_DIR) / "tests/render/data/Summit-before.grd");
    ASSERT_GE(levels.size(), 61u);
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);  // magenta: nothing in the shipped art
    for (const std::wstring& name : styleNames) {
        CVisualStyle style(name, cache);
        auto reference = readBoard(levelFile({"u 0\\17 0\\17", "16\\0 p f5", "16\\0 p p"}));
        Frame referenceFrame = draw(*reference, style);
        Mean expected[4];  // by kind: a clue, a playable, an unused and a fixed cell of the reference
        for (auto [kind, column, row] : {std::tuple{kindClue, 1, 0}, {kindPlayable, 1, 1}, {kindUnused, 0, 0}, {kindFixed, 2, 1}})
            expected[kind] = cornerMean(referenceFrame, *reference, column, row);
        for (const fs::path& level : levels) {
            auto board = readBoard(readBytes(level));
            ASSERT_TRUE(cellLeftPixel(*board, 0) >= 0 && cellLeftPixel(*board, board->width) <= frameWidth &&
                        cellTopPixel(*board, 0) < frameHeight && cellTopPixel(*board, board->height) >= 0)
                << level << " does not fit the frame at its starting view";
            Frame frame = draw(*board, style);
            for (int row = 0; row < board->height; ++row)
                for (int column = 0; column < board->width; ++column) {
                    const int kind = board->cellAt(column, row)->kind;
                    Mean seen = cornerMean(frame, *board, column, row);
                    float off = 0;
                    for (int c = 0; c < 3; ++c) off += std::abs(seen[c] - expected[kind][c]);
                    EXPECT_LT(off, 12.0f) << platform::toUtf8(name) << " " << level.filename() << " column "
                                          << column << " row " << row << " kind " << kind;
                }
        }
    }
}

// A 3 x 3 board at zoom 4 (cells of 160 pixels): clues with a down sum only along the top and an
// across sum only down the left, digits 8, 9 and 7 and marks 1, 5 and 9 in the playable cells.
// What a number draws is what changes when it is added.
TEST_F(ShippedBoardsRender, NumbersLandInsideTheirCells) {
    auto small = [](bool clueSums, bool digits) {
        std::string down = clueSums ? "0\\17" : "0\\0", across = clueSums ? "16\\0" : "0\\0";
        auto board = readBoard(levelFile({"u " + down + " " + down, across + " p p", across + " p p"}), 4.0f, 0.375f);
        if (digits) {
            enter(playable(*board, 1, 1), 8);
            enter(playable(*board, 2, 1), 9);
            enter(playable(*board, 1, 2), 7);
            PCellActive& marked = playable(*board, 2, 2);
            marked.marks[0] = marked.marks[4] = marked.marks[8] = true;
        }
        return board;
    };
    auto bare = small(false, false), sums = small(true, false), filled = small(true, true);
    for (const std::wstring& name : styleNames) {
        SCOPED_TRACE(platform::toUtf8(name));
        CVisualStyle style(name, cache);
        Frame bareFrame = draw(*bare, style), sumsFrame = draw(*sums, style), filledFrame = draw(*filled, style);

        // Clue sums: inside their clue cell, the down sum below the diagonal, the across sum above.
        int down = 0, across = 0, strays = 0;
        for (const Place& p : differences(bareFrame, sumsFrame, *bare)) {
            bool topClue = p.row == 0 && p.column >= 1 && p.column <= 2;
            bool leftClue = p.column == 0 && p.row >= 1 && p.row <= 2;
            if (topClue && p.fy > p.fx) ++down;
            else if (leftClue && p.fy < p.fx) ++across;
            else ++strays;
        }
        EXPECT_GT(down, 200);
        EXPECT_GT(across, 200);
        EXPECT_EQ(strays, 0) << "clue-sum pixels outside their half of a clue cell";

        // Digits and marks: inside the playable cells that hold them, digits filling a good part.
        int inCell[3][3] = {};
        int outside = 0;
        for (const Place& p : differences(sumsFrame, filledFrame, *bare)) {
            if (p.column >= 1 && p.column <= 2 && p.row >= 1 && p.row <= 2) ++inCell[p.column][p.row];
            else ++outside;
        }
        EXPECT_EQ(outside, 0) << "digit or mark pixels outside the playable cells";
        const int cellPixels = 160 * 160;
        EXPECT_GT(inCell[1][1], cellPixels / 20);  // 8
        EXPECT_GT(inCell[2][1], cellPixels / 20);  // 9
        EXPECT_GT(inCell[1][2], cellPixels / 20);  // 7
        EXPECT_GT(inCell[2][2], 100);              // marks 1, 5 and 9
        EXPECT_LT(inCell[2][2], inCell[1][1]);     // marks are smaller than digits
    }
}
