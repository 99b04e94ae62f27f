// The menu screen: pages, hover and press states, and the confirmation box.
#include "ui/UI.h"

#include <gtest/gtest.h>

#include "UiTestSupport.h"

namespace {

using UITest = uitest::MenuTest;

TEST(ConfirmationBoxTest, HalfWidthRule) {
    EXPECT_FLOAT_EQ(confirmationHalfWidth(0.0f), 0.15f);
    EXPECT_FLOAT_EQ(confirmationHalfWidth(0.3f), 0.15f);   // w/2 = 0.15 is not above 0.15
    EXPECT_FLOAT_EQ(confirmationHalfWidth(0.32f), 0.21f);  // the step: 0.05 wider at once
    EXPECT_FLOAT_EQ(confirmationHalfWidth(0.8f), 0.45f);
}

TEST_F(UITest, PressWithAnyButtonThenMoveRestoresHover) {
    uiButton& play = *ui.pageMain[0];
    float x = play.x + play.width / 2, y = play.y - play.height / 2;
    ui.mouseMove(x, y);
    EXPECT_EQ(play.state, uiButton::hover);
    EXPECT_TRUE(ui.buttonDown(x, y, 2));
    EXPECT_EQ(play.state, uiButton::pressed);
    ui.mouseMove(x, y);
    EXPECT_EQ(play.state, uiButton::hover);
    ui.mouseMove(0.9f, 0.7f);
    EXPECT_EQ(play.state, uiButton::normal);
    EXPECT_FALSE(ui.buttonDown(0.9f, 0.7f, 0));
    EXPECT_FALSE(ui.buttonUp(0.9f, 0.7f, 0));
}

TEST_F(UITest, DisabledElementNeverReacts) {
    uiButton& credit = *ui.pageMain[4];
    ASSERT_FALSE(credit.enabled);
    float x = credit.x + credit.width / 2, y = credit.y - credit.height / 2;
    ui.mouseMove(x, y);
    EXPECT_EQ(credit.state, uiButton::normal);
    EXPECT_FALSE(ui.buttonDown(x, y, 0));
    EXPECT_EQ(credit.state, uiButton::normal);
    EXPECT_FALSE(ui.buttonUp(x, y, 0));
}

TEST_F(UITest, OkBoxCentresItsLabelAndHidesCancel) {
    ui.showConfirmation("You win Gold Medal", confirmOk, actionResultSeen);
    EXPECT_EQ(ui.yesButton->label, "OK");
    EXPECT_FLOAT_EQ(ui.yesButton->x, 0.5f - 2 * uitest::glyphWidth * 0.6f / 2);
    EXPECT_FLOAT_EQ(ui.yesButton->y, 0.38f);
    EXPECT_FLOAT_EQ(ui.yesButton->width, 3 * uitest::glyphWidth * 0.6f);  // still the size of "YES"
    EXPECT_FALSE(ui.cancelButton->visible);
    EXPECT_FALSE(ui.cancelButton->enabled);
    EXPECT_EQ(ui.cancelButton->action, actionNone);
}

TEST_F(UITest, HiddenCancelIsNotClickable) {
    ui.showConfirmation("Reset puzzle???", confirmYesCancel, actionNone);
    uiButton cancelPlace = *ui.cancelButton;
    ui.showConfirmation("You win Gold Medal", confirmOk, actionResultSeen);
    EXPECT_FALSE(click(cancelPlace));
    EXPECT_TRUE(ui.isConfirmationOpen());
}

TEST_F(UITest, YesCancelBoxPlacesBothButtons) {
    ui.showConfirmation("Load saved game???", confirmYesCancel, actionLoadSavedGame);
    EXPECT_EQ(ui.yesButton->label, "YES");
    EXPECT_FLOAT_EQ(ui.yesButton->x, 0.4f);
    EXPECT_FLOAT_EQ(ui.cancelButton->x, 0.5f);
    EXPECT_FLOAT_EQ(ui.cancelButton->y, 0.38f);
    EXPECT_TRUE(ui.cancelButton->visible);
    EXPECT_TRUE(click(*ui.cancelButton));
    EXPECT_FALSE(ui.isConfirmationOpen());
}

// While the box is open the page under it hears nothing; only the box's buttons hover.
TEST_F(UITest, OpenBoxIsModal) {
    ui.showConfirmation("Reset puzzle???", confirmYesCancel, actionNone);
    uiButton& play = *ui.pageMain[0];
    EXPECT_FALSE(click(play));
    EXPECT_EQ(play.state, uiButton::normal);
    ui.mouseMove(ui.yesButton->x + 0.01f, ui.yesButton->y - 0.01f);
    EXPECT_EQ(ui.yesButton->state, uiButton::hover);
    EXPECT_TRUE(ui.isConfirmationOpen());
}

}  // namespace
