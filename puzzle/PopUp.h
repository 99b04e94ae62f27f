// The digit pop-up: a ring of digits (layout 0) or a 3x3 keypad (layout 1) that opens at the
// pointer over a playable cell, grows from nothing, fades as the pointer leaves it and closes
// beyond its reach. In digit mode a choice writes the cell's digit; in mark mode a left click
// toggles a candidate mark and a middle click writes the digit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/Animator.h"
#include "app/Control.h"

class CTextureCache;
class PCellActive;

class PPopUp : public Control {
public:
    enum Layout : int32_t { ring = 0, keypad = 1 };

    struct Item {
        float x = 0.0f, y = 0.0f;          // current offset from the centre
        float baseX = 0.0f, baseY = 0.0f;  // ring: offset at full scale
        float width = 0.0f, height = 0.0f; // both the item size
        uint32_t plainTexture = 0;
        uint32_t markedTexture = 0;
        int32_t value = 0;                 // 0 clears the cell
        bool marked = false;
    };

    explicit PPopUp(int32_t layout);
    PPopUp(const PPopUp&) = delete;
    PPopUp& operator=(const PPopUp&) = delete;

    // Control
    void mouseMove(float x, float y) override;              // fade with distance, hover, close beyond reach
    bool buttonDown(float x, float y, int button) override; // the board passes only presses inside; false
    void draw() override;                                   // only while open; needs a GL context

    // folder + "\" + i + ".dds", i + "ch.dds" and "shadow.dds"; needs a GL context
    void loadTextures(const std::wstring& folder, CTextureCache& cache);
    void openAt(PCellActive* cell, float x, float y, bool markMode);  // restarts the growth
    bool isInside(float x, float y) const;  // within the inner circle plus half an item
    void close() { open_ = false; }

    // The two steps of draw that need no GL, exposed so the animation can be driven without one.
    float advanceScale();       // moves the opening animation to the current tick; the scale
    void placeItems(float s);   // ring: each item at its base offset times s

    bool isOpen() const { return open_; }
    PCellActive* targetCell() const { return target_; }
    bool markMode() const { return markMode_; }
    const std::vector<Item>& items() const { return items_; }
    const Item* hoveredItem() const { return hovered_; }
    float itemSize() const { return itemSize_; }
    float centreX() const { return centreX_; }
    float centreY() const { return centreY_; }
    int32_t layout() const { return layout_; }
    float scale() const { return scale_.value; }

private:
    void buildRing();
    void buildKeypad();
    void hoverRing(float x, float y);
    void hoverKeypad(float x, float y);
    void choose(int button);
    void writeValue(int32_t value);
    void drawShadows(float s) const;
    void drawItems(float s) const;

    bool open_ = false;
    PCellActive* target_ = nullptr;  // not owned
    bool markMode_ = false;
    std::vector<Item> items_;
    int32_t itemCount_ = 10;
    Item* hovered_ = nullptr;        // into items_, null when none
    float itemSize_ = 0.0f;
    float centreX_ = 0.0f;
    float centreY_ = 0.0f;
    int32_t layout_ = ring;
    float innerRadius_ = 0.0f;
    float reach_ = 0.0f;
    Animator scale_;
    uint32_t shadowTexture_ = 0;
};
