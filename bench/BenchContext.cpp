#include "bench/BenchContext.h"

#include "platform/OpenGL.h"
#include "platform/Platform.h"

namespace bench {

namespace {
const wchar_t* const windowClass = L"TallixBench";
bool contextOpen = false;

bool open() {
    if (contextOpen) return true;
    platform::DisplaySettings settings;
    if (!platform::registerWindowClass(windowClass)) return false;
    if (!platform::createMainWindow(L"Tallix Free bench", settings)) return false;
    platform::createGLContext(settings);
    platform::setSwapInterval(0);
    platform::showMainWindow();
    glViewport(0, 0, settings.width, settings.height);
    glClearColor(0, 0, 0, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    contextOpen = true;
    return true;
}
}  // namespace

bool openContext(benchmark::State& state) {
    if (open()) return true;
    state.SkipWithError("no display");
    return false;
}

void beginFrame() {
    platform::Event event;
    while (platform::pollEvent(event)) {}
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 0.75, -1, 1);
    glMatrixMode(GL_MODELVIEW);
}

void endFrame() {
    platform::swapBuffers();
    glFinish();
}

void closeContext() {
    if (!contextOpen) return;
    platform::releaseGLContext();
    platform::destroyMainWindow();
    platform::unregisterWindowClass(windowClass);
    contextOpen = false;
}

}  // namespace bench
