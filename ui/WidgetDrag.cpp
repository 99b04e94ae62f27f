// Pointer moves over the panel: hover and fading, and the two drag handles. While a handle is
// dragged with the left button the cursor is hidden and put back on the handle after every move,
// so the mouse can travel any distance while the board follows it.
#include <algorithm>
#include <cmath>

#include "game/Game.h"
#include "platform/Platform.h"
#include "puzzle/Puzzle.h"
#include "ui/Widget.h"

namespace {

constexpr int leftButton = 0;

float sign(float value) { return value > 0.0f ? 1.0f : value < 0.0f ? -1.0f : 0.0f; }

// The view the board's centre must stay in: x 0..1, y 0..0.75.
void keepBoardInView(CPuzzle& puzzle) {
    puzzle.zoom = std::clamp(puzzle.zoom, minBoardZoom, maxBoardZoom);
    puzzle.centreX = std::clamp(puzzle.centreX, 0.0f, 1.0f);
    puzzle.centreY = std::clamp(puzzle.centreY, 0.0f, 0.75f);
}

}  // namespace

// A cursor hidden by a middle or right press on the move handle (whose release never arrives)
// comes back as soon as the pointer is off the handle.
void Widget::mouseMove(float px, float py) {
    if (hitTest(px, py)) {
        for (uiButton* button : {&styleNextButton, &stylePrevButton, &viewNextButton, &viewPrevButton,
                                 &zoomButton, &moveButton, &loadButton, &resetButton, &hintButton, &sumsButton,
                                 &undoButton, &redoButton, &pauseButton})
            button->mouseMove(px, py);
        if (!wasInside()) fadeIn();
        else if (pointer.dragging[leftButton]) dragBoard(px, py);
    } else if (wasInside()) {
        fadeOut();
    }
    if (pointer.cursorHidden && !pointer.dragging[leftButton] && !moveButton.hitTest(px, py)) showCursor();
    pointer.lastX = px;
    pointer.lastY = py;
}

// The move after the cursor was put back lands on the saved position and moves nothing. Moving
// right on the zoom handle enlarges the board by the distance moved, left shrinks it; a purely
// vertical move leaves the zoom alone.
void Widget::dragBoard(float px, float py) {
    int cursorX = 0, cursorY = 0;
    if (!platform::getCursorPos(cursorX, cursorY)) return;
    if (cursorX == pointer.savedCursorX && cursorY == pointer.savedCursorY) return;
    float dX = pointer.lastX - px;
    float dY = pointer.lastY - py;
    CPuzzle* puzzle = game ? game->activePuzzle : nullptr;
    if (puzzle) {
        if (moveButton.hitTest(px, py)) {
            puzzle->centreX -= dX;
            puzzle->centreY -= dY;
        }
        if (zoomButton.hitTest(px, py)) puzzle->zoom -= sign(dX) * std::sqrt(dX * dX + dY * dY);
        keepBoardInView(*puzzle);
    }
    platform::setCursorPos(pointer.savedCursorX, pointer.savedCursorY);
}

void Widget::startDrag(int button) {
    if (button < 0 || button > 2) return;
    pointer.dragging[static_cast<size_t>(button)] = true;
    int cursorX = 0, cursorY = 0;
    if (platform::getCursorPos(cursorX, cursorY)) {
        pointer.savedCursorX = cursorX;
        pointer.savedCursorY = cursorY;
    }
    hideCursor();
}

// A drag cut short (the confirmation box or a menu button took the release) must neither keep the
// cursor hidden nor go on moving the board afterwards.
void Widget::endDrag() {
    showCursor();
    pointer.dragging = {};
}

// The platform keeps a display counter: each hide owes exactly one show.
void Widget::hideCursor() {
    if (pointer.cursorHidden) return;
    platform::showCursor(false);
    pointer.cursorHidden = true;
}

void Widget::showCursor() {
    if (!pointer.cursorHidden) return;
    platform::showCursor(true);
    pointer.cursorHidden = false;
}
