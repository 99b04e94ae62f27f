// Widget: the panel along the top of the played board (x 0..1, y 0.65..0.75, over the black band).
// Zoom and move handles for the board, the style and view selectors, the record table of the open
// level, "Load Saved Game" / "Reset" behind a confirmation, and "Undo", "Redo" and "Pause". It fades in when a level opens and
// whenever the pointer enters the strip, and fades out when the pointer leaves it.
//
// Sections: Widget.cpp (set-up, fading, clicks, selectors) | WidgetDrag.cpp (pointer moves, the
// drag handles, the hidden cursor) | WidgetDraw.cpp (drawing) | WidgetRecordTable.h (where the
// player's best time stands in the table)
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Animator.h"
#include "app/Control.h"
#include "ui/Button.h"

class CGame;
class CPuzzle;
class CTextureCache;
class CVisualStyle;

// Pointer tracking of the panel and the drag handles.
struct PanelPointer {
    float lastX = -1.0f;  // the previous move; outside the panel before the first one
    float lastY = -1.0f;
    std::array<bool, 3> dragging{};  // left, middle, right: a handle was pressed with this button
    int32_t savedCursorX = 0;        // screen position the cursor is pinned to while dragging
    int32_t savedCursorY = 0;
    bool cursorHidden = false;       // this panel hid the cursor and owes it one show
};

// The board may be neither collapsed nor mirrored by the zoom handle, nor moved out of sight.
constexpr float minBoardZoom = 0.2f;
constexpr float maxBoardZoom = 4.0f;

class Widget : public Control {
public:
    Widget();
    ~Widget() override;  // shows the cursor again if a drag still hides it
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    // Control
    void mouseMove(float x, float y) override;               // hover, fading, dragging the board
    bool buttonDown(float x, float y, int button) override;  // true for every press in the strip
    bool buttonUp(float x, float y, int button) override;    // true when it ends on a handle
    bool hitTest(float x, float y) override;                 // strictly inside the strip
    void draw() override;                                    // needs a GL context

    // Loads the icons, places the buttons and labels "Load Saved Game", "Reset", "Undo", "Redo" and
    // "Pause" with the controller's main font; the controller must have its font.
    void initPanel(CTextureCache& cache, CGame& controller);
    void showPanel();  // a level was opened: fade in and stay at least five seconds
    void endDrag();    // a release went elsewhere: show the cursor again, stop dragging

    float viewOpacity() const;  // of the current view; an index out of range counts as the first
    std::wstring styleCaption() const;  // "Style: < Classic >"; no style gives an empty name
    std::wstring viewCaption() const;   // "View: < Full >"

    int32_t viewIndex = 0;  // 0 Minimal, 1 Full, 2 Transparent; restored from the settings
    Animator fade;          // opacity of everything the panel draws
    Animator hold;          // the minimum showing time after a level was opened
    PanelPointer pointer;
    float x = 0.0f;         // the strip: left, top edge, width, height
    float y = 0.75f;
    float width = 1.0f;
    float height = 0.1f;
    bool shown = false;     // meant to be visible (it may still be fading)
    float fadeSpeed = 0.002f;  // per millisecond: a whole fade takes 500 ms
    uiButton zoomButton;
    uiButton moveButton;
    uiButton styleNextButton;
    uiButton stylePrevButton;
    uiButton viewNextButton;
    uiButton viewPrevButton;
    uiButton loadButton;       // visible only while the open level has a saved game
    uiButton resetButton;
    uiButton hintButton;       // the row above "Reset": "Hint" with the hints taken, the
    uiButton sumsButton;       // combination helper's switch, "Undo", "Redo", "Pause"
    uiButton undoButton;
    uiButton redoButton;
    uiButton pauseButton;
    std::vector<float> viewOpacities;       // opacity of unused cells in each view
    std::vector<std::wstring> viewNames;    // "Minimal", "Full", "Transparent"
    CGame* game = nullptr;  // set by initPanel; not owned

private:
    void fadeIn();
    void fadeOut();   // both start from the current opacity, so an interrupted fade reverses
    void stepStyle(int step);
    void stepView(int step);
    void applyViewOpacity();  // to the style in use
    void startDrag(int button);
    void dragBoard(float x, float y);
    void hideCursor();
    void showCursor();
    bool wasInside();  // the previous pointer position lay in the strip

    // WidgetDraw.cpp
    void drawSelectors(const Colour& colour);
    void labelTopRow();  // the hint count and the switch's state in their labels
    void drawRecordTable(float alpha);
};
