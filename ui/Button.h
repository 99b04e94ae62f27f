// uiButton: a rectangular, optionally textured, optionally labelled screen element with three
// looks (normal, hover, pressed). Menu pages, the confirmation box and the puzzle panel are made
// of them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/Control.h"
#include "gfx/Colour.h"

class CMainFont;

class uiButton : public Control {
public:
    enum State : int32_t { normal = 0, hover = 1, pressed = 2 };

    // Control
    void mouseMove(float x, float y) override;    // hover while inside, normal outside; ignores enabled
    bool hitTest(float x, float y) override;      // strictly inside: the border is outside
    void draw() override;                         // needs a GL context

    // Width and height to the label as the font draws it at textScale; nothing without a font.
    void sizeToLabel();

    float x = 0.5f;        // left edge
    float y = 0.5f;        // top edge; the rectangle spans y - height .. y
    float width = 0.1f;
    float height = 0.05f;
    const CMainFont* font = nullptr;  // not owned
    std::string label = "Unnamed";
    int32_t action = -1;   // performed by the menu screen when clicked; -1: none
    int32_t state = normal;
    float textScale = 0.6f;
    bool enabled = true;   // false: never hover or pressed in a page, drawn dimmed (below)
    bool caption = false;  // a label disabled on purpose: drawn in its normal colour, never dimmed
    bool visible = true;   // false: not drawn
    std::array<uint32_t, 3> textures{0, 0, 0};  // per state; 0: label only
    std::array<Colour, 3> colours{Colour{1, 1, 1, 1}, Colour{1, 1, 0, 1}, Colour{1, 0, 0, 1}};

    // The colour a disabled textured button is drawn in, whatever its state. A disabled button
    // without an image draws its label in its normal colour at a third of its alpha, so it does
    // not pass for a live one.
    static constexpr Colour disabledColour{0.5f, 0.5f, 0.5f, 0.5f};
    static constexpr float disabledLabelAlpha = 1.0f / 3.0f;
};
