// uiButton: its rectangle and its hover state.
#include "ui/Button.h"

#include <gtest/gtest.h>

#include <tuple>

// x 0.25..0.75, y 0.25..0.5: exact in binary. The border is outside; the button itself ignores
// enabled (the menu screen decides that for its pages).
TEST(uiButtonTest, BorderIsOutsideAndHoverIgnoresEnabled) {
    uiButton button;
    button.x = button.height = 0.25f;
    button.y = button.width = 0.5f;
    for (auto [x, y, inside] : {std::tuple{0.5f, 0.375f, true}, {0.2500001f, 0.4999999f, true}, {0.25f, 0.375f, false},
                                {0.75f, 0.375f, false}, {0.5f, 0.25f, false}, {0.5f, 0.5f, false}})
        EXPECT_EQ(button.hitTest(x, y), inside) << x << " " << y;
    button.enabled = false;
    button.mouseMove(0.5f, 0.375f);
    EXPECT_EQ(button.state, uiButton::hover);
    button.mouseMove(0.8f, 0.375f);
    EXPECT_EQ(button.state, uiButton::normal);
    button.width = 0.0f;
    EXPECT_FALSE(button.hitTest(0.25f, 0.375f));
}
