// Four whole screens at 800 x 600, laid out as the game lays them out: the main menu (dusk-blue
// tint), the level page (plain white tint, the lightest the backdrop gets), a board being played
// in Classic with the panel shown, and one in Night in the Minimal view with the medal message.
#include <vector>

#include "BackdropArt.h"
#include "Canvas.h"
#include "GameFonts.h"
#include "MockBoard.h"
#include "MockPopUp.h"
#include "Mockups.h"
#include "StyleArt.h"

namespace assetgen {

namespace {

constexpr int ScreenWidth = 800, ScreenHeight = 600, Gap = 16;

struct Screen {
    const Output& output;
    const MainFontView& font;
    const ViewPainter& painter;

    // A button's label: drawn from the bottom-left of its rectangle, whose top edge is y.
    void label(const std::string& text, double x, double y, double scale, Colour colour) const {
        font.drawText(painter, text, x, y - MainFontView::CellHeight * scale, scale, 0, colour);
    }
    double height(double scale) const { return MainFontView::CellHeight * scale; }
};

void backdrop(const Screen& screen, Colour tint) {
    screen.painter.uprightQuad(loadTexture(screen.output, "Data/Back.dds"), 0, 0.65, 1, 0.55, tint);
}

void bands(const Screen& screen) {
    screen.painter.fill(0, 0.75, 1, 0.1, Colour{0, 0, 0, 1});
    screen.painter.fill(0, 0.1, 1, 0.1, Colour{0, 0, 0, 1});
}

void mainMenu(const Screen& screen) {
    backdrop(screen, backdropTints()[0]);
    const Colour white{1, 1, 1, 1}, yellow{1, 1, 0, 1};
    screen.label("Play", 0.1, 0.6, 0.6, yellow);  // under the pointer
    screen.label("Homepage", 0.1, 0.56, 0.6, white);
    screen.label("Feedback", 0.1, 0.52, 0.6, white);
    screen.label("Exit", 0.1, 0.48, 0.6, white);
    std::string credit = "A cross-sum puzzle game";
    screen.label(credit, 0.95 - screen.font.textWidth(credit, 0.4), 0.14, 0.4, Colour{0.9, 0.9, 0.9, 0.4});
    screen.label("Tallix Free", 0.403, 0.636, 0.7, Colour{0, 0, 0, 0.5});
    screen.label("Tallix Free", 0.4, 0.64, 0.7, Colour{1, 0.89, 0.92, 1});
    bands(screen);
}

void levelPage(const Screen& screen, const StyleView& style) {
    backdrop(screen, Colour{1, 1, 1, 1});
    const double xs[3] = {0.226, 0.492, 0.758}, ys[2] = {0.509, 0.243};
    for (int slot = 0; slot < 6; ++slot) {
        MockBoard board = sampleBoard();
        board.name = "Level 0" + std::to_string(slot + 1);
        const int bests[6] = {70, 0, 55, 200, 0, 95};
        board.best = bests[slot];
        board.saved = slot == 1 || slot == 3;
        drawCard(screen.painter, style, screen.font, board, xs[slot % 3], ys[slot / 3]);
    }
    screen.font.drawText(screen.painter, "Page 1/2", 0.01, 0.6, 0.5, 0, Colour{0.8, 0.7, 0.8, 1});
    screen.label("<<", 0.05, 0.4, 0.6, Colour{0.5, 0.5, 0.5, 0.5});  // disabled on the first page
    screen.label(">>", 0.95, 0.4, 0.6, Colour{1, 1, 1, 1});
    screen.label("Back", 0.02, 0.15, 0.6, Colour{1, 1, 1, 1});
    bands(screen);
}

void panel(const Screen& screen, const StyleView& style, const MockBoard& board) {
    const Colour fade{0.99, 0.99, 0.8, 1}, white{1, 1, 1, 1};
    const ViewPainter& p = screen.painter;
    p.uprightQuad(loadTexture(screen.output, "Data/Zoom.dds"), 0.19, 0.74, 0.08, 0.08, fade);
    p.uprightQuad(loadTexture(screen.output, "Data/Move.dds"), 0.29, 0.74, 0.08, 0.08, Colour{1, 1, 0, 1});
    screen.font.drawText(p, "Style: < " + style.design.name + " >", 0.4, 0.686, 0.5, 0, fade);
    screen.font.drawText(p, "View: < Full >", 0.6, 0.686, 0.5, 0, fade);
    Texture up = loadTexture(screen.output, "Data/Up.dds"), down = loadTexture(screen.output, "Data/Down.dds");
    p.uprightQuad(down, 0.5, 0.69, 0.03, 0.03, fade);
    p.uprightQuad(up, 0.5, 0.74, 0.03, 0.03, fade);
    p.uprightQuad(down, 0.7, 0.69, 0.03, 0.03, fade);
    p.uprightQuad(up, 0.7, 0.74, 0.03, 0.03, fade);
    double loadWidth = screen.font.textWidth("Load Saved Game", 0.5), h = screen.height(0.5);
    screen.label("Load Saved Game", 0.98 - loadWidth, 0.75 - 2 * h, 0.5, fade);
    screen.label("Reset", 0.98 - loadWidth, 0.75 - h, 0.5, fade);
    screen.font.drawText(p, "Medals:", 0.02, 0.73, 0.4, 0, white);
    screen.font.drawText(p, "Highscore:", 0.09, 0.73, 0.4, 0, white);
    const Texture* medals[3] = {&style.gold, &style.silver, &style.bronze};
    const int limits[3] = {board.gold, board.silver, board.bronze};
    double rowY = 0.72;
    bool placed = false;
    for (int i = 0; i < 3; ++i, rowY -= 0.023) {
        if (board.best > 0 && board.best < limits[i] && !placed) {
            screen.font.drawText(p, formatTime(board.best), 0.1, rowY - 0.01, 0.4, 0, Colour{0.4, 0.99, 0.4, 1});
            placed = true;
        }
        p.uprightQuad(*medals[i], 0.01, rowY + 0.01, 0.02, 0.02, white);
        screen.font.drawText(p, formatTime(limits[i]), 0.04, rowY - 0.01, 0.4, 0, white);
    }
}

void playing(const Screen& screen, const StyleView& style, Colour tint, double unusedAlpha,
             bool withPanel, const std::string& message) {
    backdrop(screen, tint);
    MockBoard board = sampleBoard();
    drawBoard(screen.painter, style, board, 0.5, 0.37, 1.0, unusedAlpha);
    screen.font.drawText(screen.painter, "02:17", 0.04, 0.61, 0.4, 0, Colour{0.7, 0.8, 1.0, 1});
    if (!message.empty()) {
        double w = screen.font.textWidth(message, 0.6), hw = w / 2 > 0.15 ? w / 2 + 0.05 : 0.15;
        screen.painter.fill(0.5 - hw, 0.47, 2 * hw, 0.2, Colour{0.2, 0.2, 0.2, 0.9});
        screen.painter.outline(0.5 - hw, 0.47, 2 * hw, 0.2, 2, Colour{0, 0, 0, 1});
        screen.font.drawText(screen.painter, message, 0.5, 0.395, 0.6, 2, Colour{1, 1, 1, 1});
        screen.label("OK", 0.5 - screen.font.textWidth("OK", 0.6) / 2, 0.38, 0.6, Colour{1, 1, 0, 1});
    }
    screen.label("Retire", 0.02, 0.15, 0.6, Colour{1, 1, 1, 0.3});
    bands(screen);
    if (withPanel) {
        MockPopUp ring;
        ring.cx = 0.5 + 2.5 * 0.05;
        ring.cy = 0.37 + 0.05 * 2.5 - 2.5 * 0.05;
        ring.hovered = 6;
        drawPopUp(screen.painter, screen.output, ring);
        panel(screen, style, board);
    }
}

}  // namespace

bool writeScreenMockup(const Output& output, const MainFontInfo& mainFont, const std::string& file) {
    std::vector<StyleDesign> styles = shippedStyles();
    StyleView classic(output, styles[0]);
    StyleView night(output, styles[2]);
    MainFontView font(output, mainFont);
    Canvas canvas(2 * ScreenWidth + 3 * Gap, 2 * ScreenHeight + 3 * Gap);
    cairo_t* cr = canvas.cr();
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    cairo_paint(cr);
    for (int i = 0; i < 4; ++i) {
        int x = Gap + (i % 2) * (ScreenWidth + Gap), y = Gap + (i / 2) * (ScreenHeight + Gap);
        cairo_save(cr);
        cairo_rectangle(cr, x, y, ScreenWidth, ScreenHeight);
        cairo_clip(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_paint(cr);
        ViewPainter painter(cr, ScreenWidth, 0, 0.75, x, y);
        Screen screen{output, font, painter};
        if (i == 0) mainMenu(screen);
        if (i == 1) levelPage(screen, classic);
        if (i == 2) playing(screen, classic, backdropTints()[3], 1.0, true, "");
        if (i == 3) playing(screen, night, backdropTints()[7], 0.0, false, "You win Gold Medal");
        cairo_restore(cr);
    }
    return cairo_surface_write_to_png(canvas.surface(), file.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace assetgen
