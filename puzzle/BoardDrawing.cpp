// Drawing a board: the played board cell by cell with its numbers, and the card that stands for a
// level on a level page. Every texture goes through bindTexture, so runs of cells with one image
// and numbers in one font cost one bind.
//
// Sections: numbers | played board | plain board (no style) | level card
#include <string>

#include "app/Shell.h"
#include "gfx/CachedLayer.h"
#include "gfx/MainFont.h"
#include "gfx/StyleFont.h"
#include "gfx/TextureBinding.h"
#include "gfx/VisualStyle.h"
#include "platform/OpenGL.h"
#include "puzzle/BoardDrawLayout.h"
#include "puzzle/Tallix.h"

namespace {

enum Alignment { alignStart = 0, alignEnd = 1, alignCentre = 2 };

// A cell in the board's own frame: x to the right of the board's left edge, y below its top edge.
struct CellBox {
    float x0, x1, top, bottom;
};

CellBox cellBox(int column, int row, float edge) {
    float x0 = float(column) * edge;
    return {x0, x0 + edge, -float(row) * edge, -float(row + 1) * edge};
}

// The cell image lies turned a quarter: its t = 0 edge runs along the cell's right side.
void drawCellQuad(const CellBox& box) {
    glBegin(GL_QUADS);
    glTexCoord2f(1.0f, 1.0f); glVertex2f(box.x0, box.top);
    glTexCoord2f(1.0f, 0.0f); glVertex2f(box.x1, box.top);
    glTexCoord2f(0.0f, 0.0f); glVertex2f(box.x1, box.bottom);
    glTexCoord2f(0.0f, 1.0f); glVertex2f(box.x0, box.bottom);
    glEnd();
}

// Back from an untextured part: texturing comes on again unless the player switched it off (F2).
void restoreTexturing() {
    if (texturing) glEnable(GL_TEXTURE_2D);
}

// The keyboard cursor: a frame a tenth of the cell wide astride the cell's edge, clear of the
// candidate marks inside, dark under light so that it shows on every cell image of every style.
void drawCursorFrame(const CellBox& box, const Colour& colour) {
    float edge = box.x1 - box.x0;
    glDisable(GL_TEXTURE_2D);
    auto frame = [&](float inset, float thickness) {
        float a = inset, b = inset + thickness;
        glBegin(GL_QUADS);
        glVertex2f(box.x0 + a, box.top - a); glVertex2f(box.x1 - a, box.top - a);
        glVertex2f(box.x1 - a, box.top - b); glVertex2f(box.x0 + a, box.top - b);
        glVertex2f(box.x0 + a, box.bottom + b); glVertex2f(box.x1 - a, box.bottom + b);
        glVertex2f(box.x1 - a, box.bottom + a); glVertex2f(box.x0 + a, box.bottom + a);
        glVertex2f(box.x0 + a, box.top - b); glVertex2f(box.x0 + b, box.top - b);
        glVertex2f(box.x0 + b, box.bottom + b); glVertex2f(box.x0 + a, box.bottom + b);
        glVertex2f(box.x1 - b, box.top - b); glVertex2f(box.x1 - a, box.top - b);
        glVertex2f(box.x1 - a, box.bottom + b); glVertex2f(box.x1 - b, box.bottom + b);
        glEnd();
    };
    glColor4f(0.0f, 0.0f, 0.0f, 0.6f);
    frame(-edge * 0.05f, edge * 0.1f);
    glColor4fv(colour.data());
    frame(-edge * 0.03f, edge * 0.06f);
    restoreTexturing();
}

constexpr Colour plainCursorColour{1.0f, 0.6f, 0.0f, 1.0f};
constexpr Colour hintFocusColour{1.0f, 0.25f, 0.1f, 1.0f};

// The cells of the last hint under a warm veil, the cell it is about framed in red.
void drawHintMarks(const CTallix& board, float edge) {
    if (board.hint.cells.empty()) return;
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 0.85f, 0.2f, 0.3f);
    glBegin(GL_QUADS);
    for (const CellPlace& place : board.hint.cells) {
        CellBox box = cellBox(place.column, place.row, edge);
        glVertex2f(box.x0, box.top);
        glVertex2f(box.x1, box.top);
        glVertex2f(box.x1, box.bottom);
        glVertex2f(box.x0, box.bottom);
    }
    glEnd();
    restoreTexturing();
    if (board.hint.focus.valid()) drawCursorFrame(cellBox(board.hint.focus.column, board.hint.focus.row, edge), hintFocusColour);
}

}  // namespace

// ---- numbers ----------------------------------------------------------------------------------

namespace {

// One pass of a number in one texture, (x, y) being its alignment point and the glyph bottom.
void drawDigits(const CStyleFont& font, uint32_t texture, float x, float y, float size, const int* digits,
                int count, int alignment, bool italic) {
    bindTexture(texture);
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glScalef(size, size, size);
    auto list = [&](int digit) { return italic ? font.slantedList(digit) : font.uprightList(digit); };
    if (alignment == alignEnd) {
        for (int i = count - 1; i >= 0; --i) {
            glTranslatef(-font.width(digits[i]), 0.0f, 0.0f);
            glCallList(list(digits[i]));
        }
    } else {
        if (alignment == alignCentre) {
            float total = 0.0f;
            for (int i = 0; i < count; ++i) total += font.width(digits[i]);
            glTranslatef(-total / 2.0f, 0.0f, 0.0f);
        }
        for (int i = 0; i < count; ++i) {
            glCallList(list(digits[i]));
            glTranslatef(font.width(digits[i]), 0.0f, 0.0f);
        }
    }
    glPopMatrix();
}

}  // namespace

void CTallix::drawNumber(const CStyleFont* font, float x, float y, float size, int32_t number, int alignment,
                         bool italic, bool shadow) {
    if (!font || alignment < alignStart || alignment > alignCentre) return;
    int digits[10];
    int count = decimalDigits(number, digits);
    if (count == 0) return;
    if (shadow && font->hasShadow()) {
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        glColor4fv(font->shadowColour().data());
        drawDigits(*font, font->shadowTexture(), x + size * font->shadowOffsetX(), y + size * font->shadowOffsetY(),
                   size, digits, count, alignment, italic);
        glColor4fv(colour);
    }
    drawDigits(*font, font->glyphTexture(), x, y, size, digits, count, alignment, italic);
}

// ---- played board -----------------------------------------------------------------------------

// Which part of a cell one pass draws: all of it, or one of the two layers that make it up.
enum class CellPart { whole, cells, pointer };

namespace {

// The style's number sizes at the board's zoom, and the margin of clue sums from the cell side.
struct NumberSizes {
    float digit, mark, clue, fixed, inset;
};

NumberSizes numberSizes(const CVisualStyle& style, float zoom, float edge) {
    return {style.activeFontSize() * zoom, style.activeFontSizePV() * zoom, style.handleFontSize() * zoom,
            style.lockedFontSize() * zoom, edge / 15.0f};
}

// A hovered cell shows its marks in the hover colours.
void drawMarks(const CTallix& board, const CVisualStyle& style, const PCellActive& cell, const CellBox& box,
               float markSize, bool hovered) {
    const CStyleFont* font = style.activeFont();
    if (!font) return;
    float edge = box.x1 - box.x0;
    for (int mark = 1; mark <= 9; ++mark) {
        if (!cell.marks[mark - 1]) continue;
        if (hovered)
            glColor4fv((mark == board.hoveredMark ? style.activeColourPVSelect() : style.activeColour()).data());
        MarkPlace place = markPlace(mark, box.x0, box.top, edge, font->glyphHeight(), markSize);
        CTallix::drawNumber(font, place.x, place.y, markSize, mark, alignCentre, false, false);
    }
}

// The player's digit, or the candidate marks while the cell is empty.
void drawPlayableText(const CTallix& board, const CVisualStyle& style, const PCellActive& cell, const CellBox& box,
                      const NumberSizes& sizes, bool hovered) {
    glColor4fv(style.activeColour().data());
    if (cell.value == 0) {
        drawMarks(board, style, cell, box, sizes.mark, hovered);
        return;
    }
    if (cell.value < 0) return;
    if (showsWrong(cell)) glColor4fv(style.activeColourUnCorrect().data());
    CTallix::drawNumber(style.activeFont(), (box.x0 + box.x1) / 2.0f, box.bottom, sizes.digit, cell.value,
                        alignCentre, style.activeItalic(), style.activeShadow());
}

void drawFixedText(const CVisualStyle& style, const PCellLocked& cell, const CellBox& box, const NumberSizes& sizes) {
    glColor4fv(style.lockedColour().data());
    if (cell.value <= 0) return;
    CTallix::drawNumber(style.lockedFont(), (box.x0 + box.x1) / 2.0f, box.bottom, sizes.fixed, cell.value,
                        alignCentre, style.lockedItalic(), style.lockedShadow());
}

// The down sum in the bottom-left corner, the across sum in the top-right one.
void drawClueText(const CVisualStyle& style, const PCellHeader& cell, const CellBox& box, const NumberSizes& sizes) {
    glColor4fv(style.handleColour().data());
    const CStyleFont* font = style.handleFont();
    if (!font) return;
    if (cell.downSum > 0)
        CTallix::drawNumber(font, box.x0 + sizes.inset, box.bottom, sizes.clue, cell.downSum, alignStart,
                            style.handleItalic(), style.handleShadow());
    if (cell.acrossSum > 0)
        CTallix::drawNumber(font, box.x1 - sizes.inset, box.top - font->glyphHeight() * sizes.clue, sizes.clue,
                            cell.acrossSum, alignEnd, style.handleItalic(), style.handleShadow());
}

void drawCellText(const CTallix& board, const CVisualStyle& style, const PCell& cell, const CellBox& box,
                  const NumberSizes& sizes, bool hovered) {
    switch (cell.kind) {
    case kindClue: drawClueText(style, static_cast<const PCellHeader&>(cell), box, sizes); break;
    case kindPlayable:
        drawPlayableText(board, style, static_cast<const PCellActive&>(cell), box, sizes, hovered);
        break;
    case kindFixed: drawFixedText(style, static_cast<const PCellLocked&>(cell), box, sizes); break;
    default: break;
    }
}

// The cells layer draws every cell as if none were hovered; the pointer layer draws the hovered
// cell again over it, image and numbers, the image in its tint. Drawing the image again covers
// what the cells layer put there wherever the image is opaque, as every shipped one is.
void drawStyledCell(const CTallix& board, const CVisualStyle& style, const PCell& cell, const CellBox& box,
                    const NumberSizes& sizes, CellPart part) {
    bool hovered = board.hoveredCell == &cell && cell.kind == kindPlayable;
    if (part == CellPart::pointer && !hovered) return;
    if (part == CellPart::cells) hovered = false;
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    if (hovered) glColor4f(0.6f, 0.6f, 0.7f, 1.0f);
    switch (cell.kind) {
    case kindClue: bindTexture(style.handleCellTexture()); break;
    case kindPlayable:
    case kindFixed: bindTexture(style.activeCellTexture()); break;
    default:
        bindTexture(style.unusedCellTexture());
        glColor4fv(style.unusedCellColour().data());
        break;
    }
    drawCellQuad(box);
    drawCellText(board, style, cell, box, sizes, hovered);
}

}  // namespace

void CTallix::drawCells(const CVisualStyle& style, CellPart part) {
    float edge = cellEdge();
    NumberSizes sizes = numberSizes(style, zoom, edge);
    glPushMatrix();
    glTranslatef(left(), top(), 0.0f);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            if (PCell* cell = cellAt(column, row))
                drawStyledCell(*this, style, *cell, cellBox(column, row, edge), sizes, part);
        }
    }
    if (part != CellPart::cells) {
        drawHintMarks(*this, edge);
        if (cursorShown) drawCursorFrame(cellBox(cursor.column, cursor.row, edge), style.activeColourPVSelect());
    }
    glPopMatrix();
}

// Clue sums and given digits are part of the grid; the player's digits, marks and the runs found
// wrong are what play changes.
void CTallix::describeCellsLayer(LayerKey& key) const {
    for (float number : {centreX, centreY, zoom, cellSize}) key.add(number);
    key.add(width);
    key.add(height);
    for (const auto& column : grid)
        for (const auto& cell : column) {
            key.add(cell ? cell->kind : -1);
            if (!cell || cell->kind == kindUnused) continue;
            const PCellLocked& locked = static_cast<const PCellLocked&>(*cell);
            if (const PCellHeader* clue = asHeader(cell.get())) {
                key.add(clue->acrossSum);
                key.add(clue->downSum);
                continue;
            }
            key.add(locked.value);
            if (cell->kind != kindPlayable) continue;
            uint32_t marks = 0;
            for (size_t i = 0; i < 9; ++i) marks |= uint32_t(static_cast<const PCellActive&>(locked).marks[i]) << i;
            key.add(marks);
            key.add(showsWrong(locked));
        }
}

void CTallix::drawBoard(const CVisualStyle& style) { drawCells(style, CellPart::whole); }
void CTallix::drawCellsLayer(const CVisualStyle& style) { drawCells(style, CellPart::cells); }
void CTallix::drawPointerLayer(const CVisualStyle& style) { drawCells(style, CellPart::pointer); }

void CTallix::drawBoard(const CVisualStyle* style) {
    if (style) {
        drawBoard(*style);
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(left(), top(), 0.0f);
    float edge = cellEdge();
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            PCell* cell = cellAt(column, row);
            if (!cell) continue;
            if (cell->kind == kindPlayable && hoveredCell == cell) {
                glColor4f(0.6f, 0.6f, 0.7f, 1.0f);
            } else {
                float grey = cell->kind == kindPlayable || cell->kind == kindFixed ? 0.8f
                             : cell->kind == kindClue                           ? 0.45f
                                                                                 : 0.25f;
                glColor4f(grey, grey, grey, 1.0f);
            }
            // A small gap keeps neighbouring cells of one grey apart.
            CellBox box = cellBox(column, row, edge);
            float gap = edge * 0.04f;
            drawCellQuad({box.x0 + gap, box.x1 - gap, box.top - gap, box.bottom + gap});
        }
    }
    drawHintMarks(*this, edge);
    if (cursorShown) drawCursorFrame(cellBox(cursor.column, cursor.row, edge), plainCursorColour);
    glPopMatrix();
    restoreTexturing();
}

// ---- level card -------------------------------------------------------------------------------

namespace {

constexpr float cardHalf = 0.125f;
constexpr float textScale = 0.32f;
constexpr float medalHalf = 0.009f;
constexpr float medalStep = 0.00891f;

void drawCard(float cx, float cy) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.2f, 0.2f, 0.2f, 0.7f);
    glBegin(GL_QUADS);
    glVertex2f(cx - cardHalf, cy + cardHalf);
    glVertex2f(cx + cardHalf, cy + cardHalf);
    glVertex2f(cx + cardHalf, cy - cardHalf);
    glVertex2f(cx - cardHalf, cy - cardHalf);
    glEnd();
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glLineWidth(2.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(cx - cardHalf, cy + cardHalf);
    glVertex2f(cx + cardHalf, cy + cardHalf);
    glVertex2f(cx + cardHalf, cy - cardHalf);
    glVertex2f(cx - cardHalf, cy - cardHalf);
    glEnd();
    glLineWidth(1.0f);  // wireframe mode draws with the default width
    restoreTexturing();
}

// The level name, narrowed into a buffer that keeps its capacity from frame to frame.
void drawName(const std::wstring& name, const CMainFont& font, float cx, float cy) {
    static std::string narrowed;
    narrowed.clear();
    for (wchar_t unit : name) narrowed.push_back(static_cast<char>(static_cast<unsigned char>(unit & 0xFF)));
    glColor4f(0.7f, 0.8f, 1.0f, 1.0f);
    font.drawText(narrowed, cx, cy + cardHalf - font.cellHeight() * textScale, textScale, CMainFont::AlignCentre);
}

// Texture (0, 0) at the icon's top-left corner, (1, 1) at its bottom-right.
void drawMedal(uint32_t texture, float x, float y) {
    bindTexture(texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f); glVertex2f(x - medalHalf, y + medalHalf);
    glTexCoord2f(1.0f, 0.0f); glVertex2f(x + medalHalf, y + medalHalf);
    glTexCoord2f(1.0f, 1.0f); glVertex2f(x + medalHalf, y - medalHalf);
    glTexCoord2f(0.0f, 1.0f); glVertex2f(x - medalHalf, y - medalHalf);
    glEnd();
}

// Three empty icons, overlapped by bronze, silver and gold as far as the best time earns them.
void drawMedalRow(const CTallix& board, const CVisualStyle& style, float cx, float cy) {
    float mx = cx + cardHalf - 0.036f;
    float my = cy + cardHalf - 0.012f;
    glColor4f(0.5f, 0.5f, 0.5f, 1.0f);
    for (int i = 0; i < 3; ++i) drawMedal(style.noMedalTexture(), mx + float(i) * medalStep, my);
    const uint32_t earned[3] = {style.bronzeMedalTexture(), style.silverMedalTexture(), style.goldMedalTexture()};
    int count = earnedMedals(board.userBest, board.gold, board.silver, board.bronze);
    glColor4f(0.7f, 0.7f, 0.7f, 1.0f);
    for (int i = 0; i < count; ++i) drawMedal(earned[i], mx + float(i) * medalStep, my);
}

void drawCaptions(const CTallix& board, const CMainFont& font, float cx, float cy) {
    char time[24];
    glColor4f(0.7f, 0.7f, 0.7f, 1.0f);
    font.drawText(bestTimeText(board.userBest, time), cx, cy - cardHalf, textScale, CMainFont::AlignCentre);
    if (!board.savedGameExists) return;
    glColor4f(1.0f, 0.3f, 0.1f, 1.0f);
    font.drawText("Saved", cx - cardHalf + 0.02f, cy - cardHalf, textScale, CMainFont::AlignLeft);
}

// The grid without text, its longer side 0.2 units, centred on the card: cells that take digits
// in the playable image, clues and unused cells in the unused one. A null style draws grey.
void drawMiniature(const CTallix& board, const CVisualStyle* style, float side) {
    glPushMatrix();
    glTranslatef(board.centreX - float(board.width) * side / 2.0f, board.centreY + float(board.height) * side / 2.0f,
                 0.0f);
    if (!style) glDisable(GL_TEXTURE_2D);
    for (int row = 0; row < board.height; ++row) {
        for (int column = 0; column < board.width; ++column) {
            const PCell* cell = board.cellAt(column, row);
            if (!cell) continue;
            bool digits = cell->kind == kindPlayable || cell->kind == kindFixed;
            if (style) {
                glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
                bindTexture(digits ? style->activeCellTexture() : style->unusedCellTexture());
            } else {
                float grey = digits ? 0.8f : 0.35f;
                glColor4f(grey, grey, grey, 1.0f);
            }
            drawCellQuad(cellBox(column, row, side));
        }
    }
    if (!style) restoreTexturing();
    glPopMatrix();
}

}  // namespace

void CTallix::drawPreview(const CVisualStyle& style, const CMainFont& font) { drawPreview(&style, font); }

// A board without cells keeps its zoom and shows its card alone.
void CTallix::drawPreview(const CVisualStyle* style, const CMainFont& font) {
    float cx = centreX, cy = centreY;
    drawCard(cx, cy);
    drawName(name, font, cx, cy);
    if (style) drawMedalRow(*this, *style, cx, cy);
    drawCaptions(*this, font, cx, cy);
    float side = miniatureSide(width, height);
    if (side <= 0.0f || !(cellSize > 0.0f)) return;
    fitToCard();
    drawMiniature(*this, style, side);
}

// The card's zoom follows from its grid, which the key holds already.
void CTallix::describeCard(LayerKey& key) const {
    for (float number : {centreX, centreY, cellSize}) key.add(number);
    key.add(name);
    for (int32_t number : {userBest, gold, silver, bronze, width, height}) key.add(number);
    key.add(savedGameExists);
    for (const auto& column : grid)
        for (const auto& cell : column) key.add(cell ? cell->kind : -1);
}

void CTallix::fitToCard() {
    float side = miniatureSide(width, height);
    if (side > 0.0f && cellSize > 0.0f) zoom = side / cellSize;
}
