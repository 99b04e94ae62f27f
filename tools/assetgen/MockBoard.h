// A small board drawn for the previews exactly as the game draws boards: the played board cell by
// cell with its numbers, and the level-page card with its miniature.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "GameFonts.h"
#include "Styles.h"
#include "ViewPainter.h"

namespace assetgen {

enum class MockKind { Clue = 0, Playable = 1, Unused = 2, Fixed = 3 };

struct MockCell {
    MockKind kind = MockKind::Unused;
    int across = 0, down = 0;  // clue sums, 0 = none
    int value = 0;             // playable or fixed digit, 0 = empty
    std::array<bool, 9> marks{};
    bool wrong = false;        // shown in the wrong-digit colour
};

struct MockBoard {
    int width = 0, height = 0;
    std::vector<MockCell> cells;  // row by row from the top
    int hoveredX = -1, hoveredY = -1, hoveredMark = 0;
    std::string name;
    int best = 0, gold = 0, silver = 0, bronze = 0;
    bool saved = false;

    const MockCell& at(int x, int y) const { return cells[static_cast<size_t>(y) * width + x]; }
};

// A 6 x 5 corner of a board with every kind of cell, a wrong digit and a hovered cell with marks.
MockBoard sampleBoard();

// A written style, loaded back as the game would load it.
struct StyleView {
    StyleView(const Output& output, const StyleDesign& style);

    StyleDesign design;
    Texture activeCell, clueCell, unusedCell;
    DigitFontView activeFont, clueFont, fixedFont;
    Texture gold, silver, bronze, none;
};

// The played board centred on (cx, cy); unusedAlpha is the view's opacity (0, 1 or 0.4).
void drawBoard(const ViewPainter& painter, const StyleView& style, const MockBoard& board,
               double cx, double cy, double zoom, double unusedAlpha);

// The level-page card centred on (cx, cy).
void drawCard(const ViewPainter& painter, const StyleView& style, const MainFontView& font,
              const MockBoard& board, double cx, double cy);

std::string formatTime(int seconds);

}  // namespace assetgen
