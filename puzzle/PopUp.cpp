// The pop-up's layouts, opening, hover and choices. Drawing and textures are in PopUpDraw.cpp.
#include "puzzle/PopUp.h"

#include <cmath>

#include "platform/Platform.h"
#include "puzzle/Cells.h"
#include "puzzle/Tallix.h"

namespace {

constexpr float pi = 3.14159265358979f;
constexpr int itemTotal = 10;

float distance(float x0, float y0, float x1, float y1) {
    return std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
}

}  // namespace

PPopUp::PPopUp(int32_t layout) : items_(itemTotal), itemCount_(itemTotal), layout_(layout) {
    if (layout_ == keypad) {
        buildKeypad();
    } else {
        buildRing();
    }
    for (int i = 0; i < itemCount_; ++i) {
        items_[i].value = i;
        items_[i].width = itemSize_;
        items_[i].height = itemSize_;
    }
}

// Digit 1 just right of the top, the digits clockwise, 5 straight below the centre; item 0 (the
// clearing choice) at the centre. The items start at the centre and move out as the ring grows.
void PPopUp::buildRing() {
    itemSize_ = 0.04f;
    innerRadius_ = 0.05f;
    reach_ = 0.11f;
    for (int k = 1; k < itemTotal; ++k) {
        float angle = (40.0f * k - 20.0f) * pi / 180.0f;
        items_[k].baseX = 0.05f * std::sin(angle);
        items_[k].baseY = 0.05f * std::cos(angle);
    }
}

// A keypad with 1 2 3 on the top row; item 0 shares the centre with 5 and is never hovered.
void PPopUp::buildKeypad() {
    itemSize_ = 0.036f;
    innerRadius_ = 0.054f;
    reach_ = 0.11f;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            Item& item = items_[3 * r + c + 1];
            item.x = item.baseX = (c - 1) * 0.036f;
            item.y = item.baseY = (1 - r) * 0.036f;
        }
    }
}

void PPopUp::openAt(PCellActive* cell, float x, float y, bool markMode) {
    centreX_ = x;
    centreY_ = y;
    target_ = cell;
    markMode_ = markMode;
    for (int k = 1; k < itemCount_; ++k) {
        items_[k].marked = markMode && cell && cell->marks[items_[k].value - 1];
    }
    open_ = true;
    scale_.restart();
    hovered_ = &items_[layout_ == keypad ? 5 : 0];
}

bool PPopUp::isInside(float x, float y) const {
    return distance(x, y, centreX_, centreY_) <= itemSize_ / 2 + innerRadius_;
}

// Full size within the inner circle, fading linearly to nothing at the reach, closed beyond it.
// Inside the inner circle the opening animation, while it runs, keeps control of the scale.
void PPopUp::mouseMove(float x, float y) {
    hovered_ = nullptr;
    float d = distance(x, y, centreX_, centreY_);
    float h = itemSize_ / 2;
    if (d <= innerRadius_ + h) {
        if (!scale_.active) scale_.value = 1.0f;
    } else {
        scale_.active = false;
        if (d > reach_) {
            open_ = false;
        } else {
            scale_.value = 1.0f - (d - innerRadius_ - h) / (reach_ - innerRadius_ - h);
        }
    }
    if (layout_ == keypad) {
        hoverKeypad(x, y);
    } else {
        hoverRing(x, y);
    }
}

void PPopUp::hoverRing(float x, float y) {
    float h = itemSize_ / 2;
    for (Item& item : items_) {
        if (distance(x, y, centreX_ + item.x, centreY_ + item.y) < h) {
            hovered_ = &item;
            return;
        }
    }
}

void PPopUp::hoverKeypad(float x, float y) {
    float column = std::floor((x - (centreX_ - 1.5f * itemSize_)) / itemSize_);
    float row = std::floor(((centreY_ + 1.5f * itemSize_) - y) / itemSize_);
    if (column >= 0.0f && column <= 2.0f && row >= 0.0f && row <= 2.0f) {
        hovered_ = &items_[static_cast<int>(row) * 3 + static_cast<int>(column) + 1];
    }
}

bool PPopUp::buttonDown(float x, float y, int button) {
    (void)x;
    (void)y;
    if (hovered_ && target_) choose(button);
    return false;
}

// Digit mode: any button writes the digit. Mark mode: the right button only closes, the middle
// button writes the digit, the left button toggles the mark and leaves the pop-up open.
void PPopUp::choose(int button) {
    if (!markMode_ || button == 1) {
        writeValue(hovered_->value);
        open_ = false;
    } else if (button == 2) {
        open_ = false;
    } else if (button == 0 && hovered_->value >= 1 && hovered_->value <= 9) {
        hovered_->marked = !hovered_->marked;
        target_->marks[hovered_->value - 1] = hovered_->marked;
    }
}

void PPopUp::writeValue(int32_t value) {
    target_->setValue(value);
    updateRunsOf(*target_);
}

float PPopUp::advanceScale() {
    scale_.advance(platform::tickCount() - scale_.lastTick);
    return scale_.value;
}

void PPopUp::placeItems(float s) {
    if (layout_ == keypad) return;
    for (Item& item : items_) {
        item.x = item.baseX * s;
        item.y = item.baseY * s;
    }
}
