// uiButton: its rectangle, its hover state and sizing to the label.
#include "ui/Button.h"

#include <gtest/gtest.h>

#include "UiTestSupport.h"

namespace {

uiButton at(float x, float y, float width, float height) {
    uiButton button;
    button.x = x;
    button.y = y;
    button.width = width;
    button.height = height;
    return button;
}

TEST(uiButtonTest, BorderIsOutside) {
    uiButton button = at(0.25f, 0.5f, 0.5f, 0.25f);  // x 0.25..0.75, y 0.25..0.5: exact in binary
    EXPECT_TRUE(button.hitTest(0.5f, 0.375f));
    EXPECT_FALSE(button.hitTest(0.25f, 0.375f));
    EXPECT_FALSE(button.hitTest(0.75f, 0.375f));
    EXPECT_FALSE(button.hitTest(0.5f, 0.25f));
    EXPECT_FALSE(button.hitTest(0.5f, 0.5f));
    EXPECT_TRUE(button.hitTest(0.2500001f, 0.4999999f));
}

TEST(uiButtonTest, ZeroWidthIsNeverHit) {
    uiButton button = at(0.25f, 0.5f, 0.0f, 0.25f);
    EXPECT_FALSE(button.hitTest(0.25f, 0.375f));
}

// The button itself ignores enabled: the menu screen decides that for its pages.
TEST(uiButtonTest, HoverFollowsThePointerEvenWhenDisabled) {
    uiButton button = at(0.25f, 0.5f, 0.5f, 0.25f);
    button.enabled = false;
    button.mouseMove(0.5f, 0.375f);
    EXPECT_EQ(button.state, uiButton::hover);
    button.mouseMove(0.8f, 0.375f);
    EXPECT_EQ(button.state, uiButton::normal);
}

}  // namespace
