// The backdrop quad: its place, the way up its image lies, and its tint, on a fake tick clock.
#include "game/Backdrop.h"

#include "GLContext.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "tests/support/TestFiles.h"

namespace {

uint32_t fakeNow = 100000;
uint32_t fakeClock() { return fakeNow; }

class BackdropRender : public render::GLContextTest {
protected:
    void TearDown() override {  // the real clocks back however the test ends
        platform::overrideClocks(nullptr, nullptr);
        render::GLContextTest::TearDown();
    }
};

// Frames of 10 ms, the last one drawn.
void run(Backdrop& backdrop, uint32_t milliseconds) {
    for (uint32_t done = 0; done < milliseconds; done += 10) {
        fakeNow += 10;
        backdrop.update();
    }
    glClear(GL_COLOR_BUFFER_BIT);
    backdrop.draw();
}

// Without an image the quad shows its tint alone. The image: its first stored rows white, the rest
// grey; the tint after a glide (1, 0.5, 0).
TEST_F(BackdropRender, QuadFillsTheAreaUprightInItsTint) {
    platform::overrideClocks(fakeClock, fakeClock);
    testsupport::writeText(folder / "Settings.ini", "[GameSettings]\nBGColorChangeTime=1\nBGColorChangeSpeed=0.002\n");
    Backdrop plain(1);
    plain.load(cache, 0.0f, 0.65f, 0.1f, 1.0f);
    EXPECT_EQ(plain.texture, 0u);
    plain.colours = {{1.0f, 1.0f, 1.0f}, {0.0f, 0.4f, 0.8f}};
    run(plain, 1600);  // the change at 1 s, then the 500 ms glide
    EXPECT_TRUE(render::shows(0.5f, 0.4f, 0, 102, 204));

    glClear(GL_COLOR_BUFFER_BIT);
    testsupport::writeBgraDds(folder / "Data/Back.dds",
                              {testsupport::rowsBgra(16, 16, {255, 255, 255, 255}, {128, 128, 128, 255}, 8)});
    CTextureCache images;  // the other cache remembers that the image was missing
    Backdrop backdrop(1);
    backdrop.load(images, 0.0f, 0.65f, 0.1f, 1.0f);
    ASSERT_NE(backdrop.texture, 0u);
    backdrop.draw();
    EXPECT_TRUE(render::shows(0.5f, 0.6f, 255, 255, 255));
    EXPECT_TRUE(render::shows(0.5f, 0.15f, 128, 128, 128));
    EXPECT_TRUE(render::shows(0.5f, 0.66f, 0, 0, 0));
    EXPECT_TRUE(render::shows(0.5f, 0.09f, 0, 0, 0));
    backdrop.colours = {{1.0f, 1.0f, 1.0f}, {1.0f, 0.5f, 0.0f}};
    run(backdrop, 1600);
    EXPECT_TRUE(render::shows(0.02f, 0.6f, 255, 128, 0));
    EXPECT_TRUE(render::shows(0.98f, 0.15f, 128, 64, 0));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
