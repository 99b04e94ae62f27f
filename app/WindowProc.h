// The window procedure: turns platform events into calls on the root element, and handles the
// keys that end the program (Esc) and switch drawing modes (F1 wireframe, F2 texturing).
#pragma once

#include "platform/Platform.h"

class Control;

struct ViewPoint {
    float x;  // 0 at the left edge, 1 at the right edge
    float y;  // 0 at the bottom edge, 0.75 at the top edge
};

// Client pixel (y downwards) to view units, scaled by the configured client size rather than the
// window's actual size: the top-left pixel gives (0, 0.75).
ViewPoint pixelToView(int pixelX, int pixelY, int width, int height);

// Handles one event. Presses of every button, left releases, pointer moves, the wheel, keys other
// than Esc, F1 and F2, and changes of the window's activity (focus, minimised) reach the root (when
// there is one yet); middle and right releases, close requests and anything not handled here go to
// the platform's default processing.
void WindowProc(const platform::Event& event, Control* root);
