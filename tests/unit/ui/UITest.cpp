// The menu screen: hover and press states, the actions that need no game, and the confirmation box.
#include "ui/UI.h"

#include "gfx/MainFont.h"
#include "tests/support/PlayFixtures.h"

namespace {

// The menus built with a main font that has no description file (every glyph 10/512 wide; its GL
// calls are ignored without a context), on the null backend.
class UITest : public testsupport::GameFolderTest {
protected:
    static constexpr float glyphWidth = 10.0f / 512.0f;

    void SetUp() override {
        GameFolderTest::SetUp();
        font = std::make_unique<CMainFont>(0u, L"Data\\NoSuchFont.ini");
        ui.font = font.get();
        ui.buildMenus();
    }

    // Press and release in the middle of a button.
    bool click(const uiButton& button) {
        float x = button.x + button.width / 2, y = button.y - button.height / 2;
        ui.mouseMove(x, y);
        ui.buttonDown(x, y, 0);
        return ui.buttonUp(x, y, 0);
    }

    std::unique_ptr<CMainFont> font;
    UI ui;
};

// w/2 = 0.15 is not above 0.15; above it the box is 0.05 wider at once.
TEST(ConfirmationBoxTest, HalfWidthRule) {
    for (auto [width, half] : {std::pair{0.0f, 0.15f}, {0.3f, 0.15f}, {0.32f, 0.21f}, {0.8f, 0.45f}})
        EXPECT_FLOAT_EQ(confirmationHalfWidth(width), half) << width;
}

// A press with any button, then a move, brings the hover back. The credit line is disabled: no
// hover, no press, no click. The links go through the shell, the title is clicked but does
// nothing, Exit ends the loop.
TEST_F(UITest, MainMenuHoverPressesAndActionsWithoutAGame) {
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

    uiButton& credit = *ui.pageMain[4];
    ASSERT_FALSE(credit.enabled);
    EXPECT_FALSE(click(credit));
    EXPECT_EQ(credit.state, uiButton::normal);

    EXPECT_TRUE(click(*ui.pageMain[1]));
    EXPECT_TRUE(click(*ui.pageMain[2]));
    EXPECT_EQ(platform::null::openedTargets(),
              (std::vector<std::string>{"https://www.tallixfree.com/?game",
                                        "mailto:feedback@tallixfree.com?subject=Tallix Free"}));
    EXPECT_TRUE(click(*ui.pageMain[6]));
    EXPECT_EQ(ui.currentPage, &ui.pageMain);
    EXPECT_FALSE(quitRequested);
    EXPECT_TRUE(click(*ui.pageMain[3]));
    EXPECT_TRUE(quitRequested);
}

// YES and CANCEL side by side; an OK box centres its label, keeps the size of "YES" and hides
// CANCEL, which then cannot be clicked where it stood. While the box is open the page under it
// hears nothing, and any action closes it.
TEST_F(UITest, BoxPlacesItsAnswersAndIsModal) {
    ui.showConfirmation("Load saved game???", confirmYesCancel, actionLoadSavedGame);
    EXPECT_EQ(ui.yesButton->label, "YES");
    EXPECT_FLOAT_EQ(ui.yesButton->x, 0.4f);
    EXPECT_FLOAT_EQ(ui.cancelButton->x, 0.5f);
    EXPECT_FLOAT_EQ(ui.cancelButton->y, 0.38f);
    EXPECT_TRUE(ui.cancelButton->visible && ui.cancelButton->enabled);
    uiButton cancelPlace = *ui.cancelButton;

    ui.showConfirmation("You win Gold Medal", confirmOk, actionResultSeen);
    EXPECT_EQ(ui.yesButton->label, "OK");
    EXPECT_FLOAT_EQ(ui.yesButton->x, 0.5f - 2 * glyphWidth * 0.6f / 2);
    EXPECT_FLOAT_EQ(ui.yesButton->y, 0.38f);
    EXPECT_FLOAT_EQ(ui.yesButton->width, 3 * glyphWidth * 0.6f);
    EXPECT_FALSE(ui.cancelButton->visible || ui.cancelButton->enabled);
    EXPECT_EQ(ui.cancelButton->action, actionNone);
    EXPECT_FALSE(click(cancelPlace));
    EXPECT_TRUE(ui.isConfirmationOpen());

    ui.showConfirmation("Reset puzzle???", confirmYesCancel, actionNone);
    EXPECT_EQ(ui.yesButton->label, "YES");
    uiButton& play = *ui.pageMain[0];  // the page under the box hears nothing
    EXPECT_FALSE(click(play));
    EXPECT_EQ(play.state, uiButton::normal);
    ui.mouseMove(ui.yesButton->x + 0.01f, ui.yesButton->y - 0.01f);
    EXPECT_EQ(ui.yesButton->state, uiButton::hover);
    EXPECT_TRUE(click(*ui.cancelButton));
    EXPECT_FALSE(ui.isConfirmationOpen());

    for (int32_t code : {-1, 3, 11, 99}) {  // every action closes the box
        ui.showConfirmation("Question???", confirmYesCancel, actionNone);
        ui.doAction(code);
        EXPECT_FALSE(ui.isConfirmationOpen()) << code;
    }
}

}  // namespace
