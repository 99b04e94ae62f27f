// The panel's set-up, its fading, its clicks and the style and view selectors.
#include "ui/Widget.h"

#include "game/Game.h"
#include "game/GameSettings.h"
#include "gfx/MainFont.h"
#include "gfx/TextureCache.h"
#include "gfx/VisualStyle.h"
#include "platform/Platform.h"
#include "puzzle/Puzzle.h"
#include "puzzle/Tallix.h"
#include "ui/UI.h"

#include <utility>

namespace {

constexpr int leftButton = 0;
constexpr float labelScale = 0.5f;
constexpr float smallLabelScale = 0.35f;  // "Hint", "Sums", "Undo", "Redo", "Pause": above "Reset"
constexpr float smallLabelGap = 0.012f;
constexpr float labelRight = 0.98f;  // "Load Saved Game" and "Reset" end here (the longer one)

// The hold runs from 0 to 5 at 0.001 per millisecond: five seconds.
constexpr float holdLength = 5.0f;
constexpr float holdSpeed = 0.001f;

void placeIcon(uiButton& button, uint32_t texture, float left, float top, float size) {
    button.textures = {texture, texture, texture};
    button.label.clear();
    button.x = left;
    button.y = top;
    button.width = size;
    button.height = size;
}

void labelButton(uiButton& button, const CMainFont* font, const char* text, float scale = labelScale) {
    button.font = font;
    button.label = text;
    button.textScale = scale;
    button.sizeToLabel();
}

bool validButton(int button) { return button >= 0 && button < 3; }

}  // namespace

Widget::Widget()
    : viewOpacities(::viewOpacities.begin(), ::viewOpacities.end()),
      viewNames{L"Minimal", L"Full", L"Transparent"} {
    fade.from = 0.0f;
    fade.to = 1.0f;
    fade.value = 0.0f;
    fade.speed = fadeSpeed;
    hold.from = 0.0f;
    hold.to = 1.0f;
    hold.value = 0.0f;
    hold.speed = 0.004f;
}

Widget::~Widget() { showCursor(); }

// ---- set-up -----------------------------------------------------------------------------------

void Widget::initPanel(CTextureCache& cache, CGame& controller) {
    uint32_t zoom = cache.getTexture(L"Data\\Zoom.dds");
    uint32_t move = cache.getTexture(L"Data\\Move.dds");
    uint32_t up = cache.getTexture(L"Data\\Up.dds");
    uint32_t down = cache.getTexture(L"Data\\Down.dds");
    placeIcon(zoomButton, zoom, 0.19f, 0.74f, 0.08f);
    placeIcon(moveButton, move, 0.29f, 0.74f, 0.08f);
    placeIcon(stylePrevButton, up, 0.5f, 0.74f, 0.03f);
    placeIcon(styleNextButton, down, 0.5f, 0.69f, 0.03f);
    placeIcon(viewPrevButton, up, 0.7f, 0.74f, 0.03f);
    placeIcon(viewNextButton, down, 0.7f, 0.69f, 0.03f);
    game = &controller;
    const CMainFont* font = controller.mainFont.get();
    labelButton(loadButton, font, "Load Saved Game");
    loadButton.x = labelRight - loadButton.width;
    loadButton.y = 0.75f - 2.0f * loadButton.height;
    labelButton(resetButton, font, "Reset");
    resetButton.x = loadButton.x;
    resetButton.y = 0.75f - loadButton.height;
    // Right to left; the two labels that change are placed for their widest text.
    float right = labelRight;
    for (auto [button, text] : {std::pair{&pauseButton, "Pause"}, {&redoButton, "Redo"}, {&undoButton, "Undo"},
                                {&sumsButton, "Sums off"}, {&hintButton, "Hint 99"}}) {
        labelButton(*button, font, text, smallLabelScale);
        button->x = right - button->width;
        button->y = 0.75f - smallLabelGap / 3.0f;
        right = button->x - smallLabelGap;
    }
    labelTopRow();
}

void Widget::labelTopRow() {
    const CTallix* board = game ? dynamic_cast<const CTallix*>(game->activePuzzle) : nullptr;
    int hints = board ? board->hintsTaken : 0;
    hintButton.label = hints > 0 ? "Hint " + std::to_string(hints) : "Hint";
    sumsButton.label = game && game->showCombinations ? "Sums on" : "Sums off";
    hintButton.sizeToLabel();
    sumsButton.sizeToLabel();
}

void Widget::showPanel() {
    endDrag();
    hold.from = 0.0f;
    hold.value = 0.0f;
    hold.to = holdLength;
    hold.speed = holdSpeed;
    hold.restart();
    shown = true;
    fade.speed = fadeSpeed;
    fade.from = 0.0f;
    fade.value = 0.0f;
    fade.to = 1.0f;
    fade.restart();
    const CPuzzle* puzzle = game ? game->activePuzzle : nullptr;
    loadButton.visible = puzzle && puzzle->savedGameExists;
}

// ---- fading -----------------------------------------------------------------------------------

void Widget::fadeIn() {
    fade.speed = fadeSpeed;
    fade.from = fade.value;
    fade.to = 1.0f;
    fade.restart();
    shown = true;
}

void Widget::fadeOut() {
    fade.speed = -fadeSpeed;
    fade.from = fade.value;
    fade.to = 0.0f;
    fade.restart();
    shown = false;
}

bool Widget::hitTest(float px, float py) { return px > x && px < x + width && py > y - height && py < y; }

bool Widget::wasInside() { return hitTest(pointer.lastX, pointer.lastY); }

// ---- clicks -----------------------------------------------------------------------------------

// Every press in the strip is the panel's, button or not: none reaches the board underneath.
bool Widget::buttonDown(float px, float py, int button) {
    if (!hitTest(px, py)) return false;
    if (styleNextButton.hitTest(px, py)) {
        stepStyle(+1);
    } else if (stylePrevButton.hitTest(px, py)) {
        stepStyle(-1);
    } else if (viewNextButton.hitTest(px, py)) {
        stepView(+1);
    } else if (viewPrevButton.hitTest(px, py)) {
        stepView(-1);
    } else if (loadButton.visible && loadButton.hitTest(px, py)) {
        if (game && game->ui) game->ui->askToLoadSavedGame();
    } else if (moveButton.hitTest(px, py) || (zoomButton.hitTest(px, py) && button == leftButton)) {
        startDrag(button);
    } else if (resetButton.hitTest(px, py)) {
        if (game && game->ui) game->ui->showConfirmation("Reset puzzle???", confirmYesCancel, actionReset);
    } else if (game && hintButton.hitTest(px, py)) {
        game->takeHint();
    } else if (game && sumsButton.hitTest(px, py)) {
        game->showCombinations = !game->showCombinations;
    } else if (game && undoButton.hitTest(px, py)) {
        game->undoMove();
    } else if (game && redoButton.hitTest(px, py)) {
        game->redoMove();
    } else if (game && pauseButton.hitTest(px, py)) {
        game->pause();
    }
    return true;
}

// Only left releases arrive, so any release gives back a cursor hidden by a press of whatever
// button; the hide/show counter stays balanced.
bool Widget::buttonUp(float px, float py, int button) {
    bool onHandle = moveButton.hitTest(px, py) ||
                    (zoomButton.hitTest(px, py) && button == leftButton && pointer.dragging[leftButton]);
    showCursor();
    if (validButton(button)) pointer.dragging[static_cast<size_t>(button)] = false;
    return onHandle;
}

// ---- selectors --------------------------------------------------------------------------------

// The newly current style takes the opacity of the view shown, so the board always matches the
// caption. Without any style there is nothing to step through.
void Widget::stepStyle(int step) {
    if (!game || game->styles.empty()) return;
    auto count = static_cast<int32_t>(game->styles.size());
    int32_t current = usableIndex(game->visualStyle, game->styles.size());
    game->visualStyle = (current + step + count) % count;
    applyViewOpacity();
}

void Widget::stepView(int step) {
    if (viewNames.empty()) return;
    auto count = static_cast<int32_t>(viewNames.size());
    int32_t current = usableIndex(viewIndex, viewNames.size());
    viewIndex = (current + step + count) % count;
    applyViewOpacity();
}

void Widget::applyViewOpacity() {
    CVisualStyle* style = game ? game->currentStyle() : nullptr;
    if (style) style->setUnusedCellAlpha(viewOpacity());
}

float Widget::viewOpacity() const {
    if (viewOpacities.empty()) return 0.0f;
    return viewOpacities[static_cast<size_t>(usableIndex(viewIndex, viewOpacities.size()))];
}

std::wstring Widget::styleCaption() const {
    const CVisualStyle* style = game ? game->currentStyle() : nullptr;
    return L"Style: < " + (style ? style->name() : std::wstring()) + L" >";
}

std::wstring Widget::viewCaption() const {
    std::wstring name;
    if (!viewNames.empty()) name = viewNames[static_cast<size_t>(usableIndex(viewIndex, viewNames.size()))];
    return L"View: < " + name + L" >";
}
