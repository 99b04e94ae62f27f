// The menu pages and the actions that need no game: links, Exit, and the box closing.
#include <gtest/gtest.h>

#include "UiTestSupport.h"

namespace {

using MenusTest = uitest::MenuTest;

TEST_F(MenusTest, CreditLineEndsAtTheRightMargin) {
    uiButton& credit = *ui.pageMain[4];
    EXPECT_NEAR(credit.x + credit.width, 0.95f, 1e-6f);
    EXPECT_FLOAT_EQ(credit.textScale, 0.4f);
    EXPECT_FALSE(credit.enabled);
}

// The title reacts to the pointer, but all its colours are the same.
TEST_F(MenusTest, TitleAndShadowLookTheSameInEveryState) {
    uiButton& shadow = *ui.pageMain[5];
    uiButton& title = *ui.pageMain[6];
    EXPECT_FLOAT_EQ(shadow.x, 0.403f);
    EXPECT_EQ(shadow.colours[0], shadow.colours[1]);
    EXPECT_EQ(title.colours[1], title.colours[2]);
    EXPECT_EQ(title.colours[0], (Colour{1.0f, 0.89f, 0.92f, 1.0f}));
    EXPECT_TRUE(click(title));  // clicked, but its action is none
    EXPECT_EQ(ui.currentPage, &ui.pageMain);
}

TEST_F(MenusTest, LinksGoThroughTheShell) {
    EXPECT_TRUE(click(*ui.pageMain[1]));
    EXPECT_TRUE(click(*ui.pageMain[2]));
    EXPECT_EQ(platform::null::openedTargets(),
              (std::vector<std::string>{"https://www.tallixfree.com/?game",
                                        "mailto:feedback@tallixfree.com?subject=Tallix Free"}));
}

TEST_F(MenusTest, ExitRequestsTheEndOfTheLoop) {
    EXPECT_TRUE(click(*ui.pageMain[3]));
    EXPECT_TRUE(quitRequested);
}

TEST_F(MenusTest, EveryActionClosesTheBox) {
    for (int32_t code : {-1, 3, 11, 99}) {
        ui.showConfirmation("Question???", confirmYesCancel, actionNone);
        ui.doAction(code);
        EXPECT_FALSE(ui.isConfirmationOpen()) << code;
    }
}

}  // namespace
