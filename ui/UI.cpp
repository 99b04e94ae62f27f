// The menu screen's input routing, its drawing and the confirmation box.
#include "ui/UI.h"

#include "gfx/MainFont.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"

namespace {

// Where the box and its buttons stand, in view units.
constexpr float boxBottom = 0.27f;
constexpr float boxTop = 0.47f;
constexpr float minimumHalfWidth = 0.15f;
constexpr float boxMargin = 0.05f;
constexpr float messageScale = 0.6f;
constexpr float messageBaseline = 0.395f;
constexpr float answerTop = 0.38f;

}  // namespace

void drawRectangle(float left, float bottom, float right, float top, bool outline) {
    glBegin(outline ? GL_LINE_LOOP : GL_QUADS);
    glVertex2f(left, top);
    glVertex2f(right, top);
    glVertex2f(right, bottom);
    glVertex2f(left, bottom);
    glEnd();
}

void drawMenuBox(float left, float bottom, float right, float top, float alpha) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.2f, 0.2f, 0.2f, alpha);
    drawRectangle(left, bottom, right, top);
    glLineWidth(2.0f);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    drawRectangle(left, bottom, right, top, true);
    glLineWidth(1.0f);
}

float confirmationHalfWidth(float messageWidth) {
    float half = messageWidth / 2.0f;
    return half > minimumHalfWidth ? half + boxMargin : minimumHalfWidth;
}

UI::UI()
    : yesButton(std::make_unique<uiButton>()), cancelButton(std::make_unique<uiButton>()) {
    yesButton->label = "YES";
    cancelButton->label = "CANCEL";
}

UI::~UI() = default;

// ---- input ------------------------------------------------------------------------------------

void UI::mouseMove(float x, float y) {
    if (confirmationOpen) {
        yesButton->mouseMove(x, y);
        cancelButton->mouseMove(x, y);
        return;
    }
    for (auto& element : *currentPage)
        element->state = element->hitTest(x, y) && element->enabled ? uiButton::hover : uiButton::normal;
}

// Any mouse button presses a button; only left releases reach buttonUp, so only they click.
bool UI::buttonDown(float x, float y, int button) {
    if (confirmationOpen) {
        yesButton->buttonDown(x, y, button);
        cancelButton->buttonDown(x, y, button);
        return false;
    }
    bool pressed = false;
    for (auto& element : *currentPage) {
        if (!element->hitTest(x, y) || !element->enabled) continue;
        element->state = uiButton::pressed;
        pressed = true;
    }
    return pressed;
}

bool UI::buttonUp(float x, float y, int button) {
    (void)button;
    if (confirmationOpen) return answerConfirmation(x, y);
    for (auto& element : *currentPage) {
        if (!element->hitTest(x, y) || !element->enabled) continue;
        element->state = uiButton::normal;
        doAction(element->action);  // may switch pages: the loop ends here
        return true;
    }
    return false;
}

// A hidden CANCEL is also disabled, so only a visible one answers.
bool UI::answerConfirmation(float x, float y) {
    uiButton* answer = nullptr;
    if (yesButton->hitTest(x, y)) answer = yesButton.get();
    else if (cancelButton->enabled && cancelButton->hitTest(x, y)) answer = cancelButton.get();
    if (!answer) return false;
    answer->state = uiButton::normal;
    doAction(answer->action);
    return true;
}

bool UI::keyAnswer(const platform::Event& press) {
    if (!confirmationOpen) return false;
    if (press.key == platform::Key::Enter) {
        doAction(yesButton->action);
    } else if (cancelButton->enabled && (press.key == platform::Key::Backspace ||
                                         (press.key == platform::Key::Character && press.character == 'n'))) {
        doAction(cancelButton->action);
    }
    return true;
}

// ---- drawing ----------------------------------------------------------------------------------

void UI::draw() {
    if (currentPage == &pageChooser || currentPage == &pageMaking) drawChooserPanel();
    if (confirmationOpen) drawConfirmation();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (auto& element : *currentPage) element->draw();
}

void UI::drawConfirmation() {
    float half = confirmationHalfWidth(font ? font->textWidth(message, messageScale) : 0.0f);
    drawMenuBox(0.5f - half, boxBottom, 0.5f + half, boxTop, 0.9f);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    if (font) font->drawText(message, 0.5f, messageBaseline, messageScale, CMainFont::AlignCentre);
    yesButton->draw();
    cancelButton->draw();
}

// ---- the confirmation box ---------------------------------------------------------------------

// The buttons keep the size of their creation labels ("YES", "CANCEL"); only the label and the
// place change here.
void UI::showConfirmation(const std::string& text, int32_t mode, int32_t action) {
    message = text;
    yesButton->action = action;
    confirmationOpen = true;
    cancelButton->action = actionNone;
    if (mode == confirmYes || mode == confirmOk) {
        cancelButton->enabled = false;
        cancelButton->visible = false;
        yesButton->label = mode == confirmYes ? "YES" : "OK";
        float labelWidth = font ? font->textWidth(yesButton->label, yesButton->textScale) : 0.0f;
        yesButton->x = 0.5f - labelWidth / 2.0f;
        yesButton->y = answerTop;
    } else if (mode == confirmYesCancel) {
        cancelButton->enabled = true;
        cancelButton->visible = true;
        yesButton->label = "YES";
        yesButton->x = 0.4f;
        yesButton->y = answerTop;
        cancelButton->x = 0.5f;
        cancelButton->y = answerTop;
    }
}
