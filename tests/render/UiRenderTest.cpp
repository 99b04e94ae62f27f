// What the menu screen puts on the frame: button looks and where the confirmation box stands.
#include "ui/UI.h"

#include <memory>
#include <string>
#include <vector>

#include "GLContext.h"
#include "gfx/MainFont.h"
#include "platform/OpenGL.h"

namespace {

// A font with a solid white glyph grid and no width file: every glyph is a box 10/512 wide.
class UiRender : public render::GLContextTest {
protected:
    void SetUp() override {
        render::GLContextTest::SetUp();
        if (HasFatalFailure()) return;
        render::writeSolid(folder / "Data/White.dds", {255, 255, 255, 255});
        white = cache.getTexture(L"Data\\White.dds");
        font = std::make_unique<CMainFont>(white, L"Data\\MainFont.ini");
    }

    uint32_t white = 0;
    std::unique_ptr<CMainFont> font;
};

// A disabled textured button is half-transparent mid grey over the black frame, a quarter of full
// brightness, whatever its state. Without a texture only the label shows, in the colour of the
// state; disabled, at a third of its alpha, unless it is a caption.
TEST_F(UiRender, ButtonsShowTheirState) {
    ASSERT_NE(white, 0u);
    uiButton textured;
    textured.x = 0.2f;
    textured.y = 0.5f;
    textured.width = 0.2f;
    textured.height = 0.1f;
    textured.label.clear();
    textured.textures = {white, white, white};
    textured.draw();
    EXPECT_TRUE(render::shows(0.3f, 0.45f, 255, 255, 255));
    glClear(GL_COLOR_BUFFER_BIT);
    textured.enabled = false;
    textured.state = uiButton::hover;
    textured.draw();
    EXPECT_TRUE(render::shows(0.3f, 0.45f, 64, 64, 64));
    EXPECT_TRUE(render::shows(0.41f, 0.45f, 0, 0, 0));

    uiButton button;
    button.font = font.get();
    button.label = "AB";
    button.x = 0.2f;
    button.y = 0.5f;
    button.sizeToLabel();
    button.colours[uiButton::normal] = {0.0f, 1.0f, 0.0f, 1.0f};
    float inside = button.y - button.height / 2;
    struct Look { bool enabled, caption; int green; };
    for (Look look : {Look{true, false, 255}, Look{false, false, 85}, Look{false, true, 255}}) {
        glClear(GL_COLOR_BUFFER_BIT);
        button.enabled = look.enabled;
        button.caption = look.caption;
        button.draw();
        EXPECT_TRUE(render::shows(0.21f, inside, 0, look.green, 0)) << look.enabled << look.caption;
    }
    EXPECT_TRUE(render::shows(0.21f + button.width + 0.01f, inside, 0, 0, 0));
    button.visible = false;
    glClear(GL_COLOR_BUFFER_BIT);
    button.draw();
    EXPECT_TRUE(render::shows(0.21f, inside, 0, 0, 0));
}

// The box's fill, (0.2, 0.2, 0.2) at alpha 0.9 over black, just inside each edge and nothing just
// outside. A short message gets the minimum box (x 0.35 to 0.65, y 0.27 to 0.47) with the message
// in white a little above the middle; 40 glyphs at scale 0.6 are 0.46875 wide, half of that plus
// 0.05 each side of 0.5 (x 0.216 to 0.784), and the hidden CANCEL draws nothing at its place.
TEST_F(UiRender, ConfirmationBoxFitsItsMessage) {
    struct Probe { float x, y; int grey; };
    struct Case { std::string message; int32_t mode, action; std::vector<Probe> probes; };
    const Case cases[] = {
        {"Reset puzzle???", confirmYesCancel, actionReset,
         {{0.36f, 0.30f, 46}, {0.34f, 0.30f, 0}, {0.64f, 0.30f, 46}, {0.66f, 0.30f, 0}, {0.36f, 0.46f, 46},
          {0.36f, 0.48f, 0}, {0.36f, 0.28f, 46}, {0.36f, 0.26f, 0}, {0.5f, 0.41f, 255}}},
        {std::string(40, 'W'), confirmOk, actionResultSeen,
         {{0.225f, 0.30f, 46}, {0.205f, 0.30f, 0}, {0.775f, 0.30f, 46}, {0.795f, 0.30f, 0}, {0.55f, 0.36f, 46}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        glClear(GL_COLOR_BUFFER_BIT);
        UI ui;
        ui.font = font.get();
        ui.buildMenus();
        ui.currentPage = &ui.pageGame;  // "Retire", bottom left: clear of the box
        ui.showConfirmation(c.message, c.mode, c.action);
        ui.draw();
        for (const Probe& p : c.probes) EXPECT_TRUE(render::shows(p.x, p.y, p.grey, p.grey, p.grey));
    }
}

}  // namespace
