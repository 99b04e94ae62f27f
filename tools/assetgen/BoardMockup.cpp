// One row per style: on the left the board at the real size (800 pixels per view unit) over the
// tinted backdrop with a pop-up open, unused cells in the Full view; on the right the same board
// twice as large in the Transparent view, without the pop-up.
#include <vector>

#include "BackdropArt.h"
#include "Canvas.h"
#include "MockBoard.h"
#include "MockPopUp.h"
#include "Mockups.h"
#include "StyleArt.h"

namespace assetgen {

namespace {

constexpr double PanelWidth = 0.5, PanelHeight = 0.4;  // view units
constexpr int Margin = 24;

struct Panel {
    double pixelsPerUnit;
    int x, y;
};

ViewPoint cellCentre(const MockBoard& board, double cx, double cy, int x, int y) {
    const double s = 0.05;
    return {cx - board.width * s / 2 + (x + 0.5) * s, cy + board.height * s / 2 - (y + 0.5) * s};
}

MockPopUp popUpFor(size_t styleIndex, const MockBoard& board, double cx, double cy) {
    MockPopUp popUp;
    ViewPoint at = cellCentre(board, cx, cy, styleIndex == 1 ? 4 : 5, styleIndex == 1 ? 4 : 2);
    popUp.cx = at.x;
    popUp.cy = at.y;
    popUp.ring = styleIndex != 1;
    popUp.hovered = styleIndex == 0 ? 3 : styleIndex == 1 ? 4 : 0;
    if (styleIndex == 1) popUp.marked[2] = popUp.marked[7] = true;
    return popUp;
}

void drawPanel(cairo_t* cr, const Output& output, const StyleView& style, const Panel& panel,
               Colour tint, double unusedAlpha, const MockPopUp* popUp) {
    cairo_save(cr);
    cairo_rectangle(cr, panel.x, panel.y, PanelWidth * panel.pixelsPerUnit,
                    PanelHeight * panel.pixelsPerUnit);
    cairo_clip(cr);
    ViewPainter painter(cr, panel.pixelsPerUnit, 0, PanelHeight, panel.x, panel.y);
    Texture back = loadTexture(output, "Data/Back.dds");
    painter.uprightQuad(back, 0, PanelHeight, PanelWidth, PanelHeight, tint);
    MockBoard board = sampleBoard();
    drawBoard(painter, style, board, PanelWidth / 2, PanelHeight / 2, 1.0, unusedAlpha);
    if (popUp) drawPopUp(painter, output, *popUp);
    cairo_restore(cr);
}

}  // namespace

bool writeBoardMockup(const Output& output, const FontFaces& faces, const std::string& file) {
    std::vector<StyleDesign> styles = shippedStyles();
    std::vector<Colour> tints = backdropTints();
    const int small = static_cast<int>(PanelWidth * 800), large = static_cast<int>(PanelWidth * 1600);
    const int rowHeight = static_cast<int>(PanelHeight * 1600) + Margin + 20;
    Canvas canvas(small + large + 3 * Margin, static_cast<int>(styles.size()) * rowHeight + Margin);
    cairo_t* cr = canvas.cr();
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
    cairo_paint(cr);
    for (size_t i = 0; i < styles.size(); ++i) {
        StyleView style(output, styles[i]);
        int top = Margin + static_cast<int>(i) * rowHeight;
        faces.use(cr, Face::SansBold, 15);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
        cairo_move_to(cr, Margin, top + 14);
        cairo_show_text(cr, styles[i].name.c_str());
        Colour tint = tints[i % tints.size()];
        MockPopUp popUp = popUpFor(i, sampleBoard(), PanelWidth / 2, PanelHeight / 2);
        drawPanel(cr, output, style, {800, Margin, top + 20}, tint, 1.0, &popUp);
        drawPanel(cr, output, style, {1600, 2 * Margin + small, top + 20}, tint, 0.4, nullptr);
    }
    return cairo_surface_write_to_png(canvas.surface(), file.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace assetgen
