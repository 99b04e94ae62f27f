// The played board and the level card, probed pixel by pixel with a test-written style whose images
// are solid colours: every glyph is a filled rectangle in the colour it is drawn with.
//
// Played board: 3 x 3 cells at zoom 4 centred on (0.5, 0.375), so a cell is 0.2 units (160 pixels)
// and cell (c, r) spans x 0.2 + 0.2c to 0.4 + 0.2c and y 0.675 - 0.2r down to 0.475 - 0.2r.
// Digit fonts: glyph height 48/512 and every digit 20/512 wide at size 1.
#include "puzzle/Tallix.h"

#include "GLContext.h"
#include "gfx/MainFont.h"
#include "gfx/VisualStyle.h"
#include "platform/OpenGL.h"
#include "tests/support/Boards.h"
#include "tests/support/TestFiles.h"

using namespace testsupport;
using render::shows;

namespace {

constexpr float edge = 0.2f, glyphHeight = 48.0f / 512.0f, digitWidth = 20.0f / 512.0f;
constexpr float digitSize = 0.4f * 4, markSize = 0.15f * 4, clueSize = 0.2f * 4;

float cellLeft(int column) { return 0.2f + edge * float(column); }
float cellTop(int row) { return 0.675f - edge * float(row); }

class BoardDrawingRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        // Medals: none white, bronze red, silver green, gold blue. The main font: solid glyphs,
        // every character 10/512 wide except ":" (30/512).
        const Bgra white{255, 255, 255, 255};
        const std::pair<const char*, Bgra> images[] = {
            {"Styles/Test/Active", white}, {"Styles/Test/Glyphs", white}, {"Styles/Test/Shadow", white},
            {"Styles/Test/Clue", {64, 64, 64, 255}}, {"MedalNone", white}, {"MedalBronze", {0, 0, 255, 255}},
            {"MedalSilver", {0, 255, 0, 255}}, {"MedalGold", {255, 0, 0, 255}}, {"MainFont", white}};
        for (const auto& [name, colour] : images) render::writeSolid(folder / "Data" / (name + std::string(".dds")), colour);
        writeText(folder / "Data/MainFont.ini", "[Char Widths]\n58=30\n");
        const fs::path dir = folder / "Data/Styles/Test";
        // The unused image: its first stored rows sky blue, the rest yellow.
        writeBgraDds(dir / "Unused.dds", {rowsBgra(16, 16, {255, 128, 0, 255}, {0, 255, 255, 255}, 8)});
        const std::string charset = "[charset]\n0=20\n1=20\n2=20\n3=20\n4=20\n5=20\n6=20\n7=20\n8=20\n9=20\n";
        writeText(dir / "Digits.ini", "[global]\nmap=Glyphs.dds\ndeltaW=0\n" + charset);
        writeText(dir / "Shadowed.ini",
                  "[global]\nmap=Glyphs.dds\nshadow=Shadow.dds\ndeltaW=0\nshadowDelta.X=0.02\nshadowDelta.Y=-0.02\n"
                  "shadowColor.R=0\nshadowColor.G=0.5\nshadowColor.B=0.5\n" + charset);
        writeText(dir / "Style.ini",
                  "[Cells]\nCellActiveMap=Active.dds\nCellHandleMap=Clue.dds\nCellUnusedMap=Unused.dds\n"
                  "[Fonts]\nFontActive=Digits.ini\nFontHandle=Digits.ini\nFontLocked=Digits.ini\n"
                  "FontActiveSize=0.4\nFontActiveSizePV=0.15\nFontHandleSize=0.2\nFontLockedSize=0.4\n"
                  "FontActiveColor.R=0\nFontActiveColor.G=0\nFontActiveColorUnCorrect.G=0\n"
                  "FontActiveColorUnCorrect.B=0\nFontActiveColorPVSelect.B=0\n"
                  "FontHandleColor.R=0\nFontHandleColor.B=0\nFontLockedColor.G=0\n");
        style = std::make_unique<CVisualStyle>(L"Test", cache);
        font = std::make_unique<CMainFont>(cache.getTexture(L"Data\\MainFont.dds"), L"Data\\MainFont.ini");
    }

    static std::unique_ptr<CTallix> board(const std::vector<std::string>& rows, float zoom = 4.0f) {
        return readBoard(levelFile(rows), zoom, 0.375f);
    }

    std::unique_ptr<CVisualStyle> style;
    std::unique_ptr<CMainFont> font;
};

// Column 1 holds 1 over 1 under a down sum of 3 (a duplicate) while its row adds up (1 + 3 = 4):
// the top-left digit is wrong, its neighbour is not; the centred digit ends where its width says.
TEST_F(BoardDrawingRender, ADigitInADuplicateRunTakesTheWarningColour) {
    auto tallix = board(squareGrid());
    enter(playable(*tallix, 1, 1), 1);
    enter(playable(*tallix, 2, 1), 3);
    enter(playable(*tallix, 1, 2), 1);
    tallix->drawBoard(*style);
    const float middle = cellTop(2) + glyphHeight * digitSize / 2, x = cellLeft(1) + edge / 2;
    const float halfDigit = digitWidth * digitSize / 2 + 0.005f;
    EXPECT_TRUE(shows(x, middle, 255, 0, 0));
    EXPECT_TRUE(shows(cellLeft(2) + edge / 2, middle, 0, 0, 255));
    EXPECT_TRUE(shows(x + halfDigit, middle, 255, 255, 255));
    EXPECT_TRUE(shows(x - halfDigit, middle, 255, 255, 255));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// The top-left clue has only a down sum (12) along its bottom edge from the inset on, its neighbour
// only an across sum (7) hanging from the top edge and ending at the inset. Unused cells take the
// style's unused colour, transparent here.
TEST_F(BoardDrawingRender, ClueSumsSitInTheirOwnCornersOnly) {
    auto tallix = board({"0\\12 7\\0 p", "p u u", "p u u"});
    tallix->drawBoard(*style);
    const float inset = edge / 15, width = digitWidth * clueSize, height = glyphHeight * clueSize;
    const float low = cellTop(1) + height / 2, high = cellTop(0) - height / 2;
    EXPECT_TRUE(shows(cellLeft(0) + inset + width / 2, low, 0, 255, 0));
    EXPECT_TRUE(shows(cellLeft(0) + inset + width * 1.5f, low, 0, 255, 0));
    EXPECT_TRUE(shows(cellLeft(0) + inset + width * 2 + 0.005f, low, 64, 64, 64));
    EXPECT_TRUE(shows(cellLeft(1) - inset - width / 2, high, 64, 64, 64));
    EXPECT_TRUE(shows(cellLeft(2) - inset - width / 2, high, 0, 255, 0));
    EXPECT_TRUE(shows(cellLeft(2) - inset - width - 0.005f, high, 64, 64, 64));
    EXPECT_TRUE(shows(cellLeft(1) + inset + width / 2, low, 64, 64, 64));
    EXPECT_TRUE(shows(cellLeft(1) + edge / 2, cellTop(1) - edge / 2, 0, 0, 0));
}

// Marks 1 and 9 of an empty cell in the top-left and bottom-right thirds; the hovered cell is tinted
// and the mark under the pointer takes the selection colour; a digit hides the marks.
TEST_F(BoardDrawingRender, MarksFillTheirThirdsUntilADigitHidesThem) {
    auto tallix = board({"u 0\\9 0\\9", "9\\0 p p", "9\\0 p p"});
    for (int x : {1, 2}) playable(*tallix, x, 1).marks[0] = playable(*tallix, x, 1).marks[8] = true;
    enter(playable(*tallix, 2, 1), 4);
    PCellActive& hovered = playable(*tallix, 1, 2);
    hovered.marks[0] = hovered.marks[8] = true;
    tallix->hoveredCell = &hovered;
    tallix->hoveredMark = 9;
    tallix->drawBoard(*style);
    auto mark = [](int column, int row, int mark, int r, int g, int b) {
        return shows(cellLeft(column) + 0.125f * edge + float((mark - 1) % 3) * edge / 3,
                     cellTop(row) - glyphHeight * markSize / 2 - float((mark - 1) / 3) * edge / 3, r, g, b);
    };
    EXPECT_TRUE(mark(1, 1, 1, 0, 0, 255));
    EXPECT_TRUE(mark(1, 1, 9, 0, 0, 255));
    EXPECT_TRUE(mark(1, 1, 5, 255, 255, 255));
    EXPECT_TRUE(mark(1, 1, 3, 255, 255, 255));
    EXPECT_TRUE(mark(2, 1, 1, 255, 255, 255));  // the cell holding 4 shows no marks
    EXPECT_TRUE(mark(2, 1, 9, 255, 255, 255));
    EXPECT_TRUE(shows(cellLeft(2) + edge / 2, cellTop(2) + 0.05f, 0, 0, 255));
    EXPECT_TRUE(mark(1, 2, 5, 153, 153, 178));  // hovered: the cell in (0.6, 0.6, 0.7)
    EXPECT_TRUE(mark(1, 2, 9, 255, 255, 0));
    EXPECT_TRUE(mark(1, 2, 1, 0, 0, 255));
}

// The image's first stored rows lie along the cell's right side, its left column along the bottom.
// Two cells square: the top-left one spans x 0.3 to 0.5, y 0.575 to 0.375.
TEST_F(BoardDrawingRender, CellImagesLieTurnedAQuarter) {
    auto tallix = board({"u p", "p p"});
    style->setUnusedCellAlpha(1.0f);
    tallix->drawBoard(*style);
    EXPECT_TRUE(shows(0.3f + edge * 0.75f, 0.475f, 0, 128, 255));
    EXPECT_TRUE(shows(0.3f + edge * 0.25f, 0.475f, 255, 255, 0));
}

// A shadowed number: the shadow offset by size x delta in the shadow colour, the number on top in
// the colour that was current, which is current again afterwards. The digit spans x 0.3 to 0.378
// and y 0.3 to 0.4875; its shadow lies 0.04 right and 0.04 down.
TEST_F(BoardDrawingRender, ShadowPassKeepsTheCurrentColour) {
    CStyleFont shadowed(cache, L"Data\\Styles\\Test\\Shadowed.ini");
    ASSERT_TRUE(shadowed.hasShadow());
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    CTallix::drawNumber(&shadowed, 0.3f, 0.3f, 2.0f, 8, 0, false, true);
    EXPECT_TRUE(shows(0.36f, 0.35f, 255, 0, 0));
    EXPECT_TRUE(shows(0.36f, 0.28f, 0, 128, 128));  // below: shadow only
    EXPECT_TRUE(shows(0.40f, 0.35f, 0, 128, 128));  // right: shadow only
    EXPECT_TRUE(shows(0.36f, 0.25f, 0, 0, 0));      // beyond the shadow
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[1], 0.0f);
    // Without the request, or with an alignment that does not exist, no shadow or nothing at all.
    glClear(GL_COLOR_BUFFER_BIT);
    CTallix::drawNumber(&shadowed, 0.3f, 0.3f, 2.0f, 8, 0, false, false);
    CTallix::drawNumber(&shadowed, 0.6f, 0.3f, 2.0f, 8, 3, false, true);
    EXPECT_TRUE(shows(0.36f, 0.35f, 255, 0, 0));
    EXPECT_TRUE(shows(0.36f, 0.28f, 0, 0, 0));
    EXPECT_TRUE(shows(0.64f, 0.35f, 0, 0, 0));
    glDeleteLists(shadowed.uprightList(0), CStyleFont::listCount);
}

// ---- level card: 0.25 square around (0.5, 0.375), at the zoom of a level page ------------------

constexpr float cx = 0.5f, cy = 0.375f, captions = cy - 0.125f + 0.01f;
constexpr float medalX = cx + 0.125f - 0.036f, medalY = cy + 0.125f - 0.012f;

// Best 70 s with limits 60 / 80 / 120: bronze over the first grey icon, silver over the second;
// "01:10" (four characters of 10 and one of 30 at scale 0.32) centred on the bottom edge.
TEST_F(BoardDrawingRender, EarnedMedalsCoverTheGreyOnesFromTheLeft) {
    auto tallix = board({"p p", "p p"}, 0.41f);
    tallix->gold = 60;
    tallix->silver = 80;
    tallix->bronze = 120;
    tallix->userBest = 70;
    tallix->drawPreview(*style, *font);
    EXPECT_TRUE(shows(medalX - 0.0045f, medalY, 178, 0, 0));
    EXPECT_TRUE(shows(medalX + 0.0045f, medalY, 0, 178, 0));
    EXPECT_TRUE(shows(medalX + 0.021f, medalY, 128, 128, 128));
    render::Span time = render::litSpan(render::pixelRow(captions));
    EXPECT_NEAR(time.last - time.first + 1, 70.0 / 512 * 0.32 * 800, 1.5);
    EXPECT_NEAR((time.first + time.last + 1) / 2.0, cx * 800, 1.5);
    EXPECT_TRUE(shows(cx, captions, 178, 178, 178));
}

// "Saved" from 0.02 inside the left edge; "--//--" (six characters of 10) centred; the name on top;
// a dark translucent fill inside a black outline.
TEST_F(BoardDrawingRender, WithoutABestTimeTheCardShowsGreyIconsDashesNameAndSavedMark) {
    auto tallix = board({"p p", "p p"}, 0.41f);
    tallix->name = L"Card";
    tallix->savedGameExists = true;
    tallix->drawPreview(*style, *font);
    for (float dx : {-0.0045f, 0.0045f, 0.021f}) EXPECT_TRUE(shows(medalX + dx, medalY, 128, 128, 128));
    EXPECT_TRUE(shows(cx - 0.105f + 0.01f, captions, 255, 76, 25));
    int first = -1, last = -1;  // of the grey time, not the orange mark
    const render::Frame row = render::readFrame(render::pixelRow(captions), 1);
    for (int x = 0; x < render::frameWidth; ++x)
        if (row[size_t(x) * 4] > 150 && row[size_t(x) * 4 + 1] > 150) last = x, first = first < 0 ? x : first;
    EXPECT_NEAR(last - first + 1, 60.0 / 512 * 0.32 * 800, 1.5);
    EXPECT_TRUE(shows(cx, cy + 0.125f - 0.01f, 178, 204, 255));
    EXPECT_TRUE(shows(cx - 0.115f, cy, 36, 36, 36, 4));
    EXPECT_TRUE(shows(cx - 0.125f, cy, 0, 0, 0));
}

// A 10 x 5 miniature fills 0.2 by 0.1 around the centre; clues show the unused image.
TEST_F(BoardDrawingRender, MiniatureFitsTheLongerSideAndSetsTheZoom) {
    std::vector<std::string> rows(5, "p p p p p p p p p p");
    rows[0] = "0\\3 p p p p p p p p p";
    auto tallix = board(rows, 0.41f);
    tallix->drawPreview(*style, *font);
    EXPECT_FLOAT_EQ(tallix->zoom, 0.4f);
    EXPECT_TRUE(shows(cx - 0.098f, cy - 0.04f, 255, 255, 255));
    EXPECT_TRUE(shows(cx + 0.098f, cy + 0.048f, 255, 255, 255));
    EXPECT_TRUE(shows(cx - 0.084f, cy + 0.04f, 0, 128, 255));  // the clue
    EXPECT_TRUE(shows(cx - 0.103f, cy, 36, 36, 36, 4));
    EXPECT_TRUE(shows(cx, cy + 0.053f, 36, 36, 36, 4));
    EXPECT_TRUE(shows(cx, cy - 0.053f, 36, 36, 36, 4));
    render::Span middle = render::litSpan(render::pixelRow(cy));
    EXPECT_EQ(middle.last - middle.first + 1, 160);
}

// Without a style the board's cells are plain grey with no digits, the card's miniature grey with
// no medal icons; without cells the card draws alone and leaves the zoom alone.
TEST_F(BoardDrawingRender, WithoutAStyleOrCellsTheBoardAndCardStillDraw) {
    auto tallix = board(squareGrid());
    enter(playable(*tallix, 1, 1), 3);
    tallix->drawBoard(nullptr);
    EXPECT_TRUE(shows(cellLeft(1) + edge / 2, cellTop(1) - edge / 2, 204, 204, 204));
    EXPECT_TRUE(shows(cellLeft(0) + edge / 2, cellTop(1) - edge / 2, 115, 115, 115));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    glClear(GL_COLOR_BUFFER_BIT);
    auto card = board({"0\\3 p", "p p"}, 0.41f);
    card->drawPreview(nullptr, *font);
    EXPECT_TRUE(shows(cx + 0.05f, cy - 0.05f, 204, 204, 204));
    EXPECT_TRUE(shows(cx - 0.05f, cy + 0.05f, 89, 89, 89));
    EXPECT_TRUE(shows(medalX, medalY, 36, 36, 36, 4));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    glClear(GL_COLOR_BUFFER_BIT);
    CTallix empty;
    empty.centreX = cx;
    empty.centreY = cy;
    empty.zoom = 0.41f;
    empty.drawPreview(*style, *font);
    EXPECT_TRUE(shows(cx, cy, 36, 36, 36, 4));
    empty.drawPreview(nullptr, *font);
    EXPECT_FLOAT_EQ(empty.zoom, 0.41f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
