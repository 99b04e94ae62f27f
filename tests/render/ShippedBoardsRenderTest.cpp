// Every shipped level at its starting view in every shipped style: each cell shows its kind's image.
//
// A cell's top-left corner holds no number (clue sums sit bottom-left and top-right, digits at the
// bottom centre), so the mean colour there must match the same corner of a reference cell of that
// kind drawn alone, at the same pixel size, on the same background. A cell drawn without its image
// shows the background (or a glyph texture) instead and is far off.
#include <cstdlib>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "GLContext.h"
#include "app/IniFile.h"
#include "app/Shell.h"
#include "gfx/TextureBinding.h"
#include "gfx/TextureCache.h"
#include "gfx/VisualStyle.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"
#include "tests/unit/puzzle/PuzzleTestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr int cellPixels = 40;  // a cell at zoom 1 (0.05 units)

struct Mean {
    float r = 0, g = 0, b = 0;
};

// The mean of the top-left corner of the cell whose top-left pixel is (x, yTop), y from the bottom.
Mean cornerMean(const std::vector<uint8_t>& frame, int x, int yTop) {
    Mean mean;
    int n = 0;
    for (int dy = 4; dy < 14; ++dy)
        for (int dx = 4; dx < 14; ++dx) {
            const uint8_t* p = &frame[(size_t(yTop - dy) * render::frameWidth + size_t(x + dx)) * 4];
            mean.r += p[0], mean.g += p[1], mean.b += p[2], ++n;
        }
    return {mean.r / n, mean.g / n, mean.b / n};
}

std::vector<uint8_t> drawFrame(CTallix& board, const CVisualStyle& style) {
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);  // magenta: nothing in the shipped art
    glClear(GL_COLOR_BUFFER_BIT);
    forgetTextureBinding();
    board.drawBoard(&style);
    std::vector<uint8_t> frame(size_t(render::frameWidth) * render::frameHeight * 4);
    glReadPixels(0, 0, render::frameWidth, render::frameHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

// The pixel column of the cell's left edge and the pixel row (from the bottom) of its top edge.
int cellLeftPixel(const CTallix& board, int column) {
    return int(std::lround((board.left() + float(column) * board.cellEdge()) * render::frameWidth));
}
int cellTopPixel(const CTallix& board, int row) {
    return int(std::lround((board.top() - float(row) * board.cellEdge()) / 0.75f * render::frameHeight)) - 1;
}

void placeAtStart(CTallix& board) {
    board.zoom = 1.0f;
    board.centreX = 0.5f;
    board.centreY = 0.37f;
}

class ShippedBoardsRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        const char* gameDir = std::getenv("TALLIX_GAME_DIR");
        ASSERT_TRUE(gameDir && fs::exists(fs::path(gameDir) / "Data/Styles/VisualStyles.ini"))
            << "TALLIX_GAME_DIR must name the built game folder";
        fs::current_path(gameDir);
        baseDirectory = platform::currentDirectory() + L"\\";
        IniFile catalogue(baseDirectory + L"Data\\Styles\\VisualStyles.ini");
        for (int i = 0; i < catalogue.readInt(L"Styles", L"Count", 0); ++i)
            styleNames.push_back(catalogue.readString(L"Styles", std::to_wstring(i)));
        for (const auto& entry : fs::directory_iterator(fs::path(gameDir) / "Data/Levels"))
            if (entry.path().extension() == ".grd") levels.push_back(entry.path());
        levels.push_back(fs::path(TALLIX_SOURCE_DIR) / "tests/render/data/Summit-before.grd");
    }

    // Reference corners of each kind, from a small board drawn on the same background.
    std::vector<Mean> referenceMeans(const CVisualStyle& style) {
        puzzletest::Bytes file = puzzletest::levelFile({"u 0\\17 0\\17", "16\\0 p f5", "16\\0 p p"});
        CTallix reference;
        reference.readLevel(file.data(), file.size());
        placeAtStart(reference);
        std::vector<uint8_t> frame = drawFrame(reference, style);
        auto at = [&](int c, int r) { return cornerMean(frame, cellLeftPixel(reference, c), cellTopPixel(reference, r)); };
        std::vector<Mean> means(4);
        means[kindClue] = at(1, 0);
        means[kindPlayable] = at(1, 1);
        means[kindUnused] = at(0, 0);
        means[kindFixed] = at(2, 1);
        return means;
    }

    CTextureCache cache;
    std::vector<std::wstring> styleNames;
    std::vector<fs::path> levels;
};

}  // namespace

TEST_F(ShippedBoardsRender, EveryCellShowsItsKindsImage) {
    ASSERT_GE(styleNames.size(), 3u);
    ASSERT_GE(levels.size(), 61u);
    for (const std::wstring& name : styleNames) {
        CVisualStyle style(name, cache);
        std::vector<Mean> reference = referenceMeans(style);
        for (const fs::path& level : levels) {
            CTallix board;
            std::ifstream in(level, std::ios::binary);
            puzzletest::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            ASSERT_TRUE(board.readLevel(bytes.data(), bytes.size())) << level;
            placeAtStart(board);
            std::vector<uint8_t> frame = drawFrame(board, style);
            for (int row = 0; row < board.height; ++row)
                for (int column = 0; column < board.width; ++column) {
                    int x = cellLeftPixel(board, column), yTop = cellTopPixel(board, row);
                    ASSERT_TRUE(x >= 0 && x + cellPixels <= render::frameWidth && yTop < render::frameHeight &&
                                yTop >= cellPixels) << level << " does not fit the frame at its starting view";
                    Mean seen = cornerMean(frame, x, yTop), expected = reference[board.cellAt(column, row)->kind];
                    float off = std::abs(seen.r - expected.r) + std::abs(seen.g - expected.g) +
                                std::abs(seen.b - expected.b);
                    EXPECT_LT(off, 12.0f) << platform::toUtf8(name) << " " << level.filename() << " column " << column
                                          << " row " << row << " kind " << board.cellAt(column, row)->kind;
                }
        }
    }
}
