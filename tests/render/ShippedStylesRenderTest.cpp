// Every style the game ships, drawn from the real Data folder: clue sums, digits and marks land
// inside their cells, and each clue sum on its own side of the clue cell's diagonal.
//
// A 3 x 3 board at zoom 4 centred on (0.5, 0.375): a cell is 0.2 units (160 pixels); cell (c, r)
// spans x 0.2 + 0.2c to 0.4 + 0.2c and y 0.675 - 0.2r down to 0.475 - 0.2r. What a number draws is
// found by drawing the board twice, with and without that number, and comparing the frames.
#include <cstdlib>
#include <filesystem>
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

namespace {

constexpr float edge = 0.2f, boardLeft = 0.2f, boardTop = 0.675f;

// Frame pixels covering the board, RGBA rows from the bottom.
struct Frame {
    static constexpr int x0 = 160, y0 = 60, width = 480, height = 480;  // view 0.2..0.8 x 0.075..0.675
    std::vector<uint8_t> rgba = std::vector<uint8_t>(size_t(width) * height * 4);
    const uint8_t* at(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
};

Frame grab() {
    Frame frame;
    glReadPixels(Frame::x0, Frame::y0, Frame::width, Frame::height, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
    return frame;
}

// Where a pixel of the board lies: its cell and its place inside it (0..1 from the left and from
// the top).
struct Place {
    int column, row;
    float fx, fy;
};
Place placeOf(int x, int y) {
    float viewX = (float(Frame::x0 + x) + 0.5f) / float(render::frameWidth);
    float viewY = (float(Frame::y0 + y) + 0.5f) / float(render::frameHeight) * 0.75f;
    float cx = (viewX - boardLeft) / edge, cy = (boardTop - viewY) / edge;
    return {int(cx), int(cy), cx - float(int(cx)), cy - float(int(cy))};
}

// The places of the pixels that differ between two frames.
std::vector<Place> differences(const Frame& a, const Frame& b) {
    std::vector<Place> places;
    for (int y = 0; y < Frame::height; ++y)
        for (int x = 0; x < Frame::width; ++x)
            for (int c = 0; c < 3; ++c)
                if (std::abs(int(a.at(x, y)[c]) - int(b.at(x, y)[c])) > 24) {
                    places.push_back(placeOf(x, y));
                    break;
                }
    return places;
}

class ShippedStylesRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        const char* gameDir = std::getenv("TALLIX_GAME_DIR");
        if (!gameDir || !std::filesystem::exists(std::filesystem::path(gameDir) / "Data/Styles/VisualStyles.ini"))
            GTEST_SKIP() << "TALLIX_GAME_DIR does not hold the generated Data folder";
        std::filesystem::current_path(gameDir);
        baseDirectory = platform::currentDirectory() + L"\\";
        IniFile catalogue(baseDirectory + L"Data\\Styles\\VisualStyles.ini");
        for (int i = 0; i < catalogue.readInt(L"Styles", L"Count", 0); ++i)
            styleNames.push_back(catalogue.readString(L"Styles", std::to_wstring(i)));
    }

    // Clues with a down sum only along the top, an across sum only down the left; the numbers
    // drawn are those given, every other number is left out.
    std::unique_ptr<CTallix> board(bool clueSums, bool digits) {
        std::string down = clueSums ? "0\\17" : "0\\0", across = clueSums ? "16\\0" : "0\\0";
        auto result = std::make_unique<CTallix>();
        puzzletest::Bytes file = puzzletest::levelFile({"u " + down + " " + down, across + " p p", across + " p p"});
        EXPECT_TRUE(result->readLevel(file.data(), file.size()));
        result->zoom = 4.0f;
        result->centreX = 0.5f;
        result->centreY = 0.375f;
        if (digits) {
            puzzletest::enter(puzzletest::playable(*result, 1, 1), 8);
            puzzletest::enter(puzzletest::playable(*result, 2, 1), 9);
            puzzletest::enter(puzzletest::playable(*result, 1, 2), 7);
            PCellActive& marked = puzzletest::playable(*result, 2, 2);
            marked.marks[0] = marked.marks[4] = marked.marks[8] = true;
        }
        return result;
    }

    Frame draw(const CVisualStyle& style, const CTallix& tallix) {
        glClear(GL_COLOR_BUFFER_BIT);
        forgetTextureBinding();
        const_cast<CTallix&>(tallix).drawBoard(&style);
        return grab();
    }

    CTextureCache cache;
    std::vector<std::wstring> styleNames;
};

}  // namespace

TEST_F(ShippedStylesRender, NumbersLandInsideTheirCells) {
    ASSERT_GE(styleNames.size(), 3u);
    for (const std::wstring& name : styleNames) {
        SCOPED_TRACE(platform::toUtf8(name));
        CVisualStyle style(name, cache);
        auto bare = board(false, false), sums = board(true, false), filled = board(true, true);
        Frame bareFrame = draw(style, *bare), sumsFrame = draw(style, *sums), filledFrame = draw(style, *filled);

        // Clue sums: inside their clue cell, the down sum below the diagonal, the across sum above.
        int down = 0, across = 0, strays = 0;
        for (const Place& p : differences(bareFrame, sumsFrame)) {
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
        for (const Place& p : differences(sumsFrame, filledFrame)) {
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
