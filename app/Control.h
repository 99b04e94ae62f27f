// The screen element every drawable, clickable thing of the game derives from.
#pragma once

namespace platform {
struct Event;
}

// No data of its own; every operation has a harmless default so a derived class overrides only what
// it needs. Coordinates are view units: x from 0 (left) to 1 (right), y from 0 (bottom) to 0.75
// (top). Buttons: 0 left, 1 middle, 2 right. Wheel: 120 per notch, positive away from the user.
// The slot order below is fixed up to draw; the keyboard and the window's activity come after it.
class Control {
public:
    virtual ~Control() = default;
    virtual void mouseMove(float x, float y) { (void)x; (void)y; }
    virtual bool buttonDown(float x, float y, int button) { (void)x; (void)y; (void)button; return false; }  // true: consumed
    virtual bool buttonUp(float x, float y, int button) { (void)x; (void)y; (void)button; return false; }    // true: consumed
    virtual void wheel(int delta) { (void)delta; }
    virtual bool hitTest(float x, float y) { (void)x; (void)y; return false; }  // point inside the element
    virtual void draw() {}
    // A key press (a KeyPressed event) other than Esc, F1 and F2, which the shell keeps.
    virtual void keyDown(const platform::Event& press) { (void)press; }
    // The window became active (focused and not minimised) or stopped being so.
    virtual void activeChanged(bool active) { (void)active; }
};
