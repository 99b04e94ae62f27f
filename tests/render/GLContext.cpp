// Opening the one window and context of the test process, resetting the GL state between tests,
// and reading pixels back.
#include "GLContext.h"

#include "app/Shell.h"
#include "gfx/TextureBinding.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "tests/support/TestFiles.h"

namespace render {
namespace {

const wchar_t* const windowClass = L"TallixRenderTests";
bool attempted = false, open = false;
std::string failure;  // why there is no usable context

// Closes the window with the context current, after the last test of the process.
class ContextEnvironment : public testing::Environment {
public:
    void TearDown() override {
        if (!open) return;
        platform::releaseGLContext();
        platform::destroyMainWindow();
        platform::unregisterWindowClass(windowClass);
        open = false;
    }
};
testing::Environment* const environment = testing::AddGlobalTestEnvironment(new ContextEnvironment);

std::string openContext() {
    platform::selectBackend(platform::Backend::Real);
    platform::DisplaySettings settings;
    settings.width = frameWidth;
    settings.height = frameHeight;
    const std::string driver = " on video driver \"" + platform::videoDriverName() + "\"";
    if (!platform::registerWindowClass(windowClass))
        return "no video driver could be initialised" + driver + "; run with SDL_VIDEODRIVER=offscreen";
    if (!platform::createMainWindow(L"render tests", settings)) return "the window could not be created" + driver;
    platform::createGLContext(settings);
    if (!glGetString(GL_VERSION)) return "no GL context is current after createGLContext" + driver;
    if (platform::videoDriverName() != "offscreen")
        return "the context runs" + driver + ", expected \"offscreen\" (set SDL_VIDEODRIVER=offscreen)";
    return "";
}

// The state the application sets once after making its context current, plus a clean frame.
void resetGLState() {
    glViewport(0, 0, frameWidth, frameHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 1.0, 0.0, 0.75, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
    forgetTextureBinding();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void enter(const std::filesystem::path& folder) {
    std::filesystem::current_path(folder);
    baseDirectory = testsupport::wide(folder) + L"\\";
}

}  // namespace

void GLContextTest::SetUp() {
    if (!attempted) {
        attempted = true;
        failure = openContext();
        open = failure.empty();
    }
    ASSERT_TRUE(open) << failure;
    folder = testsupport::freshFolder();
    enter(folder);
    resetGLState();
}

void GLContextTest::useBuiltGameFolder() {
    const std::filesystem::path game = testsupport::builtGameFolder();
    if (!HasFailure()) enter(game);
}

Pixel readPixel(int x, int y) {
    uint8_t rgba[4] = {0, 0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return Pixel{rgba[0], rgba[1], rgba[2]};
}

Frame readFrame(int first, int rows) {
    Frame frame(size_t(frameWidth) * size_t(rows) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, first, frameWidth, rows, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

int pixelColumn(float viewX) { return int(viewX * frameWidth); }
int pixelRow(float viewY) { return int(viewY / 0.75f * frameHeight); }

testing::AssertionResult colourNear(const Pixel& actual, int r, int g, int b, int tolerance) {
    auto near = [tolerance](int a, int e) { return a >= e - tolerance && a <= e + tolerance; };
    if (near(actual.r, r) && near(actual.g, g) && near(actual.b, b)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "pixel (" << actual.r << ", " << actual.g << ", " << actual.b
                                       << "), expected (" << r << ", " << g << ", " << b << ") within " << tolerance;
}

testing::AssertionResult shows(float x, float y, int r, int g, int b, int tolerance) {
    return colourNear(readPixel(pixelColumn(x), pixelRow(y)), r, g, b, tolerance)
           << " at view (" << x << ", " << y << ")";
}

Span litSpan(int y) {
    Span span;
    const Frame row = readFrame(y, 1);
    for (int x = 0; x < frameWidth; ++x) {
        const uint8_t* p = &row[size_t(x) * 4];
        if (p[0] < 128 && p[1] < 128 && p[2] < 128) continue;
        span.last = x;
        if (span.first < 0) span.first = x;
    }
    return span;
}

void drawTexturedQuad(uint32_t texture, float left, float top, float width, float height) {
    glBindTexture(GL_TEXTURE_2D, texture);
    forgetTextureBinding();
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f); glVertex2f(left, top);
    glTexCoord2f(1.0f, 0.0f); glVertex2f(left + width, top);
    glTexCoord2f(1.0f, 1.0f); glVertex2f(left + width, top - height);
    glTexCoord2f(0.0f, 1.0f); glVertex2f(left, top - height);
    glEnd();
}

void writeSolid(const std::filesystem::path& path, testsupport::Bgra colour) {
    testsupport::writeBgraDds(path, {testsupport::solidBgra(16, 16, colour)});
}

}  // namespace render
