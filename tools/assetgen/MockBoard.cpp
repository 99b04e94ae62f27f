// Board and card drawing for the previews, step by step as the game does it.
#include "MockBoard.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace assetgen {

namespace {

constexpr double CellSize = 0.05;  // a cell at zoom 1

// Tokens: U unused; C<across>/<down> clue; P<digit> playable ("P." empty, "!" = wrong,
// "m<marks>" marks, "h" hovered); F<digit> fixed.
MockCell parseCell(const std::string& token) {
    MockCell cell;
    char kind = token[0];
    if (kind == 'C') {
        cell.kind = MockKind::Clue;
        std::sscanf(token.c_str() + 1, "%d/%d", &cell.across, &cell.down);
    } else if (kind == 'F') {
        cell.kind = MockKind::Fixed;
        cell.value = token[1] - '0';
    } else if (kind == 'P') {
        cell.kind = MockKind::Playable;
        if (token[1] >= '1' && token[1] <= '9') cell.value = token[1] - '0';
        size_t marks = token.find('m');
        if (marks != std::string::npos) {
            for (size_t i = marks + 1; i < token.size() && token[i] >= '1' && token[i] <= '9'; ++i) {
                cell.marks[static_cast<size_t>(token[i] - '1')] = true;
            }
        }
        cell.wrong = token.find('!') != std::string::npos;
    }
    return cell;
}

void cellQuad(const ViewPainter& painter, const Texture& texture, double x0, double top, double side,
              Colour colour) {
    painter.quad(texture, {x0, top}, {1, 1}, {x0 + side, top}, {1, 0}, {x0, top - side}, {0, 1},
                 colour);
}

void drawPlayable(const ViewPainter& painter, const StyleView& style, const MockBoard& board,
                  const MockCell& cell, bool hovered, double x0, double top, double s, double zoom) {
    const StyleDesign& design = style.design;
    if (cell.value == 0) {
        double markSize = design.markSize * zoom;
        for (int k = 1; k <= 9; ++k) {
            if (!cell.marks[static_cast<size_t>(k - 1)]) continue;
            int r = (k - 1) / 3, c = (k - 1) % 3;
            Colour colour = hovered && k == board.hoveredMark ? design.markSelectColour : design.activeColour;
            style.activeFont.drawNumber(painter, x0 + 0.125 * s + c * s / 3,
                                        top - style.activeFont.glyphHeight() * markSize - r * s / 3,
                                        markSize, k, 2, false, false, colour);
        }
        return;
    }
    Colour colour = cell.wrong ? design.wrongColour : design.activeColour;
    style.activeFont.drawNumber(painter, x0 + s / 2, top - s, design.activeSize * zoom, cell.value, 2,
                                design.activeItalic, design.activeFont.shadow.enabled, colour);
}

void drawClue(const ViewPainter& painter, const StyleView& style, const MockCell& cell, double x0,
              double top, double s, double zoom) {
    const StyleDesign& design = style.design;
    double size = design.clueSize * zoom, inset = s / 15;
    bool shadow = design.clueFont.shadow.enabled;
    if (cell.down > 0) {
        style.clueFont.drawNumber(painter, x0 + inset, top - s, size, cell.down, 0, design.clueItalic,
                                  shadow, design.clueColour);
    }
    if (cell.across > 0) {
        style.clueFont.drawNumber(painter, x0 + s - inset, top - style.clueFont.glyphHeight() * size,
                                  size, cell.across, 1, design.clueItalic, shadow, design.clueColour);
    }
}

void medalIcon(const ViewPainter& painter, const Texture& texture, double mx, double my,
               Colour colour) {
    painter.uprightQuad(texture, mx - 0.009, my + 0.009, 0.018, 0.018, colour);
}

}  // namespace

MockBoard sampleBoard() {
    const char* rows[] = {
        "U     C0/23 C0/30 U      C0/16   C0/4",
        "C16/0 P9    P7    C6/24  P5!     P1",
        "C24/0 F8    P9    P7     Pm159h  P.",
        "U     C11/0 P6    P5     F4      Pm3",
        "U     C17/0 P8    P9     Pm27    U",
    };
    MockBoard board;
    board.width = 6;
    board.height = 5;
    for (int y = 0; y < board.height; ++y) {
        std::istringstream tokens(rows[y]);
        std::string token;
        for (int x = 0; x < board.width && tokens >> token; ++x) {
            board.cells.push_back(parseCell(token));
            if (token.find('h') != std::string::npos) {
                board.hoveredX = x;
                board.hoveredY = y;
            }
        }
    }
    board.hoveredMark = 5;
    board.name = "Level 01";
    board.best = 70;
    board.gold = 60;
    board.silver = 80;
    board.bronze = 120;
    return board;
}

StyleView::StyleView(const Output& output, const StyleDesign& style)
    : design(style),
      activeCell(loadTexture(output, "Data/Styles/" + style.name + "/CellActive.dds")),
      clueCell(loadTexture(output, "Data/Styles/" + style.name + "/CellClue.dds")),
      unusedCell(loadTexture(output, "Data/Styles/" + style.name + "/CellUnused.dds")),
      activeFont(output, "Data/Styles/" + style.name, style.activeFont),
      clueFont(output, "Data/Styles/" + style.name, style.clueFont),
      fixedFont(output, "Data/Styles/" + style.name, style.fixedFont),
      gold(loadTexture(output, "Data/MedalGold.dds")),
      silver(loadTexture(output, "Data/MedalSilver.dds")),
      bronze(loadTexture(output, "Data/MedalBronze.dds")),
      none(loadTexture(output, "Data/MedalNone.dds")) {}

void drawBoard(const ViewPainter& painter, const StyleView& style, const MockBoard& board,
               double cx, double cy, double zoom, double unusedAlpha) {
    const double s = CellSize * zoom;
    const double left = cx - board.width * s / 2, top = cy + board.height * s / 2;
    const StyleDesign& design = style.design;
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            const MockCell& cell = board.at(x, y);
            double x0 = left + x * s, cellTop = top - y * s;
            bool hovered = x == board.hoveredX && y == board.hoveredY;
            switch (cell.kind) {
            case MockKind::Clue:
                cellQuad(painter, style.clueCell, x0, cellTop, s, rgb(0xFFFFFF));
                drawClue(painter, style, cell, x0, cellTop, s, zoom);
                break;
            case MockKind::Playable:
                cellQuad(painter, style.activeCell, x0, cellTop, s,
                         hovered ? Colour{0.6, 0.6, 0.7, 1} : rgb(0xFFFFFF));
                drawPlayable(painter, style, board, cell, hovered, x0, cellTop, s, zoom);
                break;
            case MockKind::Unused:
                cellQuad(painter, style.unusedCell, x0, cellTop, s, Colour{1, 1, 1, unusedAlpha});
                break;
            case MockKind::Fixed:
                cellQuad(painter, style.activeCell, x0, cellTop, s, rgb(0xFFFFFF));
                style.fixedFont.drawNumber(painter, x0 + s / 2, cellTop - s, design.fixedSize * zoom,
                                           cell.value, 2, design.fixedItalic,
                                           design.fixedFont.shadow.enabled, design.fixedColour);
                break;
            }
        }
    }
}

void drawCard(const ViewPainter& painter, const StyleView& style, const MainFontView& font,
              const MockBoard& board, double cx, double cy) {
    painter.fill(cx - 0.125, cy + 0.125, 0.25, 0.25, Colour{0.2, 0.2, 0.2, 0.7});
    painter.outline(cx - 0.125, cy + 0.125, 0.25, 0.25, 2, Colour{0, 0, 0, 1});
    font.drawText(painter, board.name, cx, cy + 0.125 - MainFontView::CellHeight * 0.32, 0.32, 2,
                  Colour{0.7, 0.8, 1.0, 1});
    double my = cy + 0.125 - 0.012, mx = cx + 0.125 - 0.036;
    for (int i = 0; i < 3; ++i) medalIcon(painter, style.none, mx + i * 0.00891, my, Colour{0.5, 0.5, 0.5, 1});
    const Texture* earned[3] = {&style.bronze, &style.silver, &style.gold};
    const int limits[3] = {board.bronze, board.silver, board.gold};
    for (int i = 0; i < 3 && board.best != 0 && board.best <= limits[i]; ++i) {
        medalIcon(painter, *earned[i], mx + i * 0.00891, my, Colour{0.7, 0.7, 0.7, 1});
    }
    font.drawText(painter, board.best == 0 ? "--//--" : formatTime(board.best), cx, cy - 0.125, 0.32,
                  2, Colour{0.7, 0.7, 0.7, 1});
    if (board.saved) {
        font.drawText(painter, "Saved", cx - 0.125 + 0.02, cy - 0.125, 0.32, 0, Colour{1.0, 0.3, 0.1, 1});
    }
    double side = 0.2 / std::max(board.width, board.height);
    double left = cx - board.width * side / 2, top = cy + board.height * side / 2;
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            MockKind kind = board.at(x, y).kind;
            bool light = kind == MockKind::Playable || kind == MockKind::Fixed;
            cellQuad(painter, light ? style.activeCell : style.unusedCell, left + x * side,
                     top - y * side, side, rgb(0xFFFFFF));
        }
    }
}

std::string formatTime(int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
    return text;
}

}  // namespace assetgen
