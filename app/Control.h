// The screen element every drawable, clickable thing of the game derives from.
#pragma once

// No data of its own; every operation has a harmless default so a derived class overrides only what
// it needs. Coordinates are view units: x from 0 (left) to 1 (right), y from 0 (bottom) to 0.75
// (top). Buttons: 0 left, 1 middle, 2 right. Wheel: 120 per notch, positive away from the user.
// The slot order below is fixed; only CPuzzle appends operations after draw.
class Control {
public:
    virtual ~Control() = default;
    virtual void mouseMove(float x, float y) { (void)x; (void)y; }
    virtual bool buttonDown(float x, float y, int button) { (void)x; (void)y; (void)button; return false; }  // true: consumed
    virtual bool buttonUp(float x, float y, int button) { (void)x; (void)y; (void)button; return false; }    // true: consumed
    virtual void wheel(int delta) { (void)delta; }
    virtual bool hitTest(float x, float y) { (void)x; (void)y; return false; }  // point inside the element
    virtual void draw() {}
};
