// The chooser of a new puzzle and the page shown while it is made: label buttons over a box in
// the confirmation box's look, the chosen size and difficulty lit, a spinner while the worker runs.
#include <cmath>

#include "game/NewPuzzle.h"
#include "gfx/MainFont.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "ui/UI.h"

namespace {

constexpr float boxLeft = 0.22f, boxRight = 0.78f, boxTop = 0.6f, boxBottom = 0.18f;
constexpr float titleScale = 0.7f, choiceScale = 0.5f, answerScale = 0.6f;
constexpr float titleTop = 0.585f, sizeTop = 0.49f, difficultyTop = 0.40f, answerTop = 0.28f;
constexpr float choiceGap = 0.025f;
constexpr Colour lit{1.0f, 0.8f, 0.2f, 1.0f};
constexpr Colour plain{1.0f, 1.0f, 1.0f, 1.0f};

// Eight dots round a circle, one brighter, turning once a second.
void drawSpinner(float x, float y) {
    const float turn = float(platform::tickCount() % 1000) / 1000.0f;
    glBegin(GL_QUADS);
    for (int i = 0; i < 8; ++i) {
        float angle = 6.2831853f * float(i) / 8.0f;
        float age = std::fmod(turn + 1.0f - float(i) / 8.0f, 1.0f);
        float dx = 0.03f * std::sin(angle), dy = 0.03f * std::cos(angle), r = 0.006f;
        glColor4f(1.0f, 0.8f, 0.2f, 1.0f - age * 0.85f);
        glVertex2f(x + dx - r, y + dy + r);
        glVertex2f(x + dx + r, y + dy + r);
        glVertex2f(x + dx + r, y + dy - r);
        glVertex2f(x + dx - r, y + dy - r);
    }
    glEnd();
}

}  // namespace

// Choices stand in rows, each sized to its label; the lit colour marks the chosen ones.
void UI::buildNewPuzzlePages() {
    float right = 0.98f;
    uiButton& open = addButton(pageLevels, "New puzzle", 0.0f, 0.15f, answerScale, actionNewPuzzle);
    open.x = right - open.width;

    float x = boxLeft + 0.03f;
    for (size_t i = 0; i < puzzleSizes.size(); ++i) {
        uiButton& size = addButton(pageChooser, puzzleSizes[i].name, x, sizeTop, choiceScale, actionFirstSize + int32_t(i));
        x += size.width + choiceGap;
    }
    x = boxLeft + 0.03f;
    for (size_t i = 0; i < difficultyNames.size(); ++i) {
        std::string label = std::to_string(i + 1) + " " + difficultyNames[i];
        uiButton& level = addButton(pageChooser, label, x, difficultyTop, choiceScale, actionFirstDifficulty + int32_t(i));
        x += level.width + choiceGap;
    }
    addButton(pageChooser, "Generate", boxLeft + 0.05f, answerTop, answerScale, actionGenerate);
    uiButton& back = addButton(pageChooser, "Back", 0.0f, answerTop, answerScale, actionCloseChooser);
    back.x = boxRight - 0.05f - back.width;
    uiButton& cancel = addButton(pageMaking, "Cancel", 0.0f, answerTop, answerScale, actionCancelMaking);
    cancel.x = 0.5f - cancel.width / 2.0f;
}

void UI::showChooser(int size, int difficulty) {
    currentPage = &pageChooser;
    for (auto& element : pageChooser) {
        bool chosen = element->action == actionFirstSize + size || element->action == actionFirstDifficulty + difficulty - 1;
        element->colours[uiButton::normal] = chosen ? lit : plain;
    }
}

void UI::showMaking(const std::string& caption) {
    currentPage = &pageMaking;
    makingCaption = caption;
}

void UI::drawChooserPanel() {
    drawMenuBox(boxLeft, boxBottom, boxRight, boxTop, 0.92f);
    if (currentPage == &pageMaking) drawSpinner(0.5f, 0.43f);
    glEnable(GL_TEXTURE_2D);
    if (!font) return;
    glColor4f(1.0f, 0.89f, 0.92f, 1.0f);
    font->drawText("New puzzle", 0.5f, titleTop - font->cellHeight() * titleScale, titleScale, CMainFont::AlignCentre);
    if (currentPage != &pageMaking) {
        glColor4f(0.8f, 0.8f, 0.85f, 1.0f);
        font->drawText("Size", boxLeft + 0.03f, sizeTop + 0.005f, 0.35f, CMainFont::AlignLeft);
        font->drawText("Difficulty", boxLeft + 0.03f, difficultyTop + 0.005f, 0.35f, CMainFont::AlignLeft);
    } else {
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        font->drawText(makingCaption, 0.5f, 0.35f, 0.5f, CMainFont::AlignCentre);
    }
}
