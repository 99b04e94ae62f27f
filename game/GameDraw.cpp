// One frame of the controller: backdrop, the screen's content, the menu screen, the black bands,
// and while playing the pop-up and the panel over the bands. The play clock and the solution test
// run here, once per frame.
#include "game/Game.h"

#include <cmath>

#include "game/Backdrop.h"
#include "game/LevelCatalogue.h"
#include "gfx/MainFont.h"
#include "gfx/VisualStyle.h"
#include "platform/OpenGL.h"
#include "puzzle/FormatTime.h"
#include "puzzle/PopUp.h"
#include "puzzle/Records.h"
#include "puzzle/StartingView.h"
#include "puzzle/Tallix.h"
#include "ui/HelpPage.h"
#include "ui/UI.h"

namespace {

// The bands hide the top and bottom strips of the view: y 0.65 to 0.75 and 0 to 0.1.
constexpr float topBandBottom = 0.65f;
constexpr float bottomBandTop = 0.1f;

void band(float bottom, float top) {
    glVertex2f(0.0f, top);
    glVertex2f(1.0f, top);
    glVertex2f(1.0f, bottom);
    glVertex2f(0.0f, bottom);
}

}  // namespace

// A level made in the meantime opens before the frame is drawn: the screen may change here. The
// still layer, where the screen has one, stands for the backdrop and what lies still on it.
void CGame::draw() {
    if (screen == GameScreen::NewPuzzle) pollPuzzleMaker();
    backdrop->update();
    StillPart still = prepareStillLayer();
    if (still == StillPart::none)
        backdrop->drawQuad();
    else
        stillLayer->draw();
    switch (screen) {
    case GameScreen::MainMenu: break;
    case GameScreen::LevelSelect: drawLevelPage(still == StillPart::cards); break;
    case GameScreen::Playing: drawPlay(still == StillPart::cells); break;
    case GameScreen::NewPuzzle: drawLevelPage(still == StillPart::cards); break;
    }
    ui->draw();
    drawBands();
    if (screen == GameScreen::Playing && activePuzzle) {
        drawHintReason();
        if (activePuzzle->currentPopUp && !paused_) activePuzzle->currentPopUp->draw();
        drawPanel();
    }
    if (helpOpen_) drawHelpPage(*mainFont);
}

// ---- the still layer ---------------------------------------------------------------------------

namespace {

// Window pixels of a rectangle in view units, rounded outwards, in `viewport`.
PixelBox pixelsOf(const PixelBox& viewport, float left, float bottom, float right, float top) {
    float width = float(viewport.x1 - viewport.x0), height = float(viewport.y1 - viewport.y0) / 0.75f;
    return {viewport.x0 + int(std::floor(left * width)), viewport.y0 + int(std::floor(bottom * height)),
            viewport.x0 + int(std::ceil(right * width)), viewport.y0 + int(std::ceil(top * height))};
}

}  // namespace

// The backdrop, with the cards of the level page or the cells layer of the board in play, each
// with what it is drawn with. The layer covers the backdrop's area: outside it the bands cover
// everything. none: this frame draws it all directly. The boards on the page were fitted to their
// cards when placed there.
CGame::StillPart CGame::prepareStillLayer() {
    const CVisualStyle* style = currentStyle();
    CTallix* board = openBoard();
    StillPart part = StillPart::backdrop;
    if (screen == GameScreen::LevelSelect || screen == GameScreen::NewPuzzle)
        part = StillPart::cards;
    else if (screen == GameScreen::Playing && !paused_ && board && style)
        part = StillPart::cells;
    layerKey_.clear();
    layerKey_.add(uint32_t(part));
    for (float channel : backdrop->tint) layerKey_.add(channel);
    layerKey_.add(backdrop->texture);
    if (part == StillPart::cells) {
        layerKey_.add(style);
        layerKey_.add(style->unusedCellColour()[3]);
        board->describeCellsLayer(layerKey_);
    } else if (part == StillPart::cards) {
        layerKey_.add(style);
        layerKey_.add(mainFont.get());
        for (const auto& slot : pageSlots) {
            layerKey_.add(slot.get());
            if (slot) slot->describeCard(layerKey_);
        }
    }
    PixelBox viewport = currentViewport();
    PixelBox area = pixelsOf(viewport, backdrop->left, backdrop->bottom, backdrop->right, backdrop->top);
    // Small enough a capture for std::function to hold without allocating each frame.
    bool layered = stillLayer->prepare(layerKey_, area, viewport, [this, part] {
        const CVisualStyle* drawnStyle = currentStyle();
        backdrop->drawQuad();
        if (part == StillPart::cells) openBoard()->drawCellsLayer(*drawnStyle);
        for (const auto& slot : pageSlots)
            if (slot && part == StillPart::cards) slot->drawPreview(drawnStyle, *mainFont);
    });
    return layered ? part : StillPart::none;
}

// Without any installed style the boards are drawn untextured.
void CGame::drawLevelPage(bool layered) {
    const CVisualStyle* style = currentStyle();
    if (!layered) {
        for (const auto& board : pageSlots)
            if (board) board->drawPreview(style, *mainFont);
    }
    glColor4f(0.8f, 0.7f, 0.8f, 1.0f);
    mainFont->drawText(pageCaption(), 0.01f, 0.6f, 0.5f, CMainFont::AlignLeft);
}

// While the box is open neither the clock nor the play time moves; the question asked as the level
// opened, a pause, the help page and an inactive window keep the clock at the current tick, so
// none of their time is added afterwards. A paused board is hidden.
void CGame::drawPlay(bool layered) {
    if (!activePuzzle) return;
    if (!ui->isConfirmationOpen() && !clockStopped()) {
        clockHeldByQuestion_ = false;
        advancePlayTime(*frameClock, activePuzzle->elapsed);
        runSolvedCheck();
    } else if (clockHeldByQuestion_ || clockStopped()) {
        holdPlayTime(*frameClock);
    }
    CTallix* board = openBoard();
    if (paused_) {
        drawPausedPanel();
    } else if (board && layered) {
        board->drawPointerLayer(*currentStyle());
    } else if (board) {
        board->drawBoard(currentStyle());
    }
    drawCombinations();
    glColor4f(0.7f, 0.8f, 1.0f, 1.0f);
    mainFont->drawText(timeCaption(), startingView::clockLeft, startingView::clockBottom, startingView::clockScale,
                       CMainFont::AlignLeft);
}

// A plain panel over the whole play area, so a paused board cannot be studied.
void CGame::drawPausedPanel() {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.12f, 0.12f, 0.16f, 1.0f);
    glBegin(GL_QUADS);
    band(bottomBandTop, topBandBottom);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    mainFont->drawText("Paused", 0.5f, 0.36f, 1.0f, CMainFont::AlignCentre);
}

// The box opened here is modal, so the message is shown once.
void CGame::runSolvedCheck() {
    if (!solvedCheck_.due(activePuzzle->elapsed) || !activePuzzle->isSolved()) return;
    activePuzzle->recordResult();
    resultRecorded_ = true;
    Medal medal = medalFor(activePuzzle->elapsed, activePuzzle->gold, activePuzzle->silver, activePuzzle->bronze);
    ui->showConfirmation(medalMessage(medal), confirmOk, actionResultSeen);
}

void CGame::drawBands() {
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    band(topBandBottom, 0.75f);
    band(0.0f, bottomBandTop);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

std::string CGame::pageCaption() const { return ::pageCaption(pageIndex, levelPaths.size()); }

std::string CGame::timeCaption() const {
    return formatTime(activePuzzle ? activePuzzle->elapsed / 1000 : 0);
}

// Rounded half away from zero; the colour is left as set.
void CGame::drawFps(float fps) const {
    glColor4f(0.5f, 0.5f, 0.5f, 0.5f);
    mainFont->drawText(std::to_string(std::lround(fps)), 0.01f, 0.03f, 0.8f, CMainFont::AlignLeft);
}
