// Drawing the panel: handles, selectors with their captions, the two labelled buttons and the
// record table, all at the fade's opacity. Drawn last in the play screen, over the top band.
#include "game/Game.h"
#include "gfx/MainFont.h"
#include "gfx/TextureBinding.h"
#include "gfx/VisualStyle.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "puzzle/FormatTime.h"
#include "puzzle/Puzzle.h"
#include "ui/UI.h"
#include "ui/Widget.h"
#include "ui/WidgetRecordTable.h"

namespace {

constexpr float captionScale = 0.5f;
constexpr float tableScale = 0.4f;
constexpr float firstRowY = 0.72f;
constexpr float rowStep = 0.023f;
constexpr float holdEndMargin = 0.002f;

// Negative limits do not occur in valid records; they read as no time rather than a huge one.
std::string secondsText(int32_t seconds) { return formatTime(seconds > 0 ? static_cast<uint32_t>(seconds) : 0u); }

// The medal icon left of a row; a style without that image shows none.
void drawMedal(uint32_t texture, float rowY) {
    if (texture == 0) return;
    bindTexture(texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f); glVertex2f(0.01f, rowY + 0.01f);
    glTexCoord2f(1.0f, 0.0f); glVertex2f(0.03f, rowY + 0.01f);
    glTexCoord2f(1.0f, 1.0f); glVertex2f(0.03f, rowY - 0.01f);
    glTexCoord2f(0.0f, 1.0f); glVertex2f(0.01f, rowY - 0.01f);
    glEnd();
}

}  // namespace

// A confirmation box takes every release, so a drag in progress when it opens ends here.
void Widget::draw() {
    if (game && game->ui && game->ui->isConfirmationOpen()) endDrag();
    if (!shown && !fade.active) return;
    if (hold.active) {
        hold.advance(platform::tickCount() - hold.lastTick);
        if (hold.value > hold.to - holdEndMargin && !wasInside()) fadeOut();
    }
    fade.advance(platform::tickCount() - fade.lastTick);
    float alpha = fade.value;
    Colour colour{0.99f, 0.99f, 0.8f, alpha};
    for (uiButton* handle : {&zoomButton, &moveButton}) {
        handle->colours[uiButton::normal] = colour;
        handle->draw();
    }
    drawSelectors(colour);
    if (!game || !game->mainFont) return;
    glColor4f(1.0f, 1.0f, 1.0f, alpha);
    game->mainFont->drawTextW(L"Medals:", 0.02f, 0.73f, tableScale, CMainFont::AlignLeft);
    game->mainFont->drawTextW(L"Highscore:", 0.09f, 0.73f, tableScale, CMainFont::AlignLeft);
    drawRecordTable(alpha);
}

void Widget::drawSelectors(const Colour& colour) {
    glColor4fv(colour.data());
    if (game && game->mainFont) {
        game->mainFont->drawTextW(styleCaption(), 0.4f, 0.686f, captionScale, CMainFont::AlignLeft);
        game->mainFont->drawTextW(viewCaption(), 0.6f, 0.686f, captionScale, CMainFont::AlignLeft);
    }
    labelTopRow();
    for (uiButton* button : {&styleNextButton, &stylePrevButton, &viewNextButton, &viewPrevButton,
                             &loadButton, &resetButton, &hintButton, &sumsButton, &undoButton, &redoButton,
                             &pauseButton}) {
        button->colours[uiButton::normal] = colour;
        button->draw();
    }
}

// Gold, silver and bronze limits with their medals; the player's best time in green beside the
// best medal it beats, or in red below the table when it beats none.
void Widget::drawRecordTable(float alpha) {
    const CPuzzle* puzzle = game->activePuzzle;
    if (!puzzle) return;
    const CMainFont& font = *game->mainFont;
    const std::array<int32_t, 3> limits{puzzle->gold, puzzle->silver, puzzle->bronze};
    const CVisualStyle* style = game->currentStyle();
    std::array<uint32_t, 3> medals{};
    if (style) medals = {style->goldMedalTexture(), style->silverMedalTexture(), style->bronzeMedalTexture()};
    BestTimeRow place = bestTimeRow(puzzle->userBest, limits);
    float rowY = firstRowY;
    for (size_t row = 0; row < limits.size(); ++row) {
        if (place == static_cast<BestTimeRow>(row)) {
            glColor4f(0.4f, 0.99f, 0.4f, alpha);
            font.drawText(secondsText(puzzle->userBest), 0.1f, rowY - 0.01f, tableScale, CMainFont::AlignLeft);
            glColor4f(1.0f, 1.0f, 1.0f, alpha);
        }
        drawMedal(medals[row], rowY);
        font.drawText(secondsText(limits[row]), 0.04f, rowY - 0.01f, tableScale, CMainFont::AlignLeft);
        rowY -= rowStep;
    }
    if (place != BestTimeRow::below) return;
    glColor4f(1.0f, 0.2f, 0.2f, alpha);
    font.drawText(secondsText(puzzle->userBest), 0.1f, 0.65f, tableScale, CMainFont::AlignLeft);
}
