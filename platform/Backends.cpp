// Backend choice: every window, event, clock, cursor and shell function of Platform.h lands here
// and goes on to the chosen backend. Overridden clocks sit above the backends so that a test can
// drive time in either of them.
#include "platform/Backend.h"

namespace platform {

namespace {

Backend chosenBackend = Backend::Real;
ClockSource tickOverride = nullptr;
ClockSource multimediaOverride = nullptr;

SystemBackend& active() {
    return chosenBackend == Backend::Null ? nullBackend() : realBackend();
}

}  // namespace

// ---- backend choice ---------------------------------------------------------------------------
void selectBackend(Backend backend) { chosenBackend = backend; }
Backend currentBackend() { return chosenBackend; }

// ---- window and GL context --------------------------------------------------------------------
bool registerWindowClass(const std::wstring& className) {
    return active().registerWindowClass(className);
}
void unregisterWindowClass(const std::wstring& className) {
    active().unregisterWindowClass(className);
}
bool createMainWindow(const std::wstring& title, const DisplaySettings& settings) {
    return active().createMainWindow(title, settings);
}
void bringToForeground() { active().bringToForeground(); }
void switchDisplayMode(const DisplaySettings& settings) { active().switchDisplayMode(settings); }
void createGLContext(const DisplaySettings& settings) { active().createGLContext(settings); }
bool setSwapInterval(int interval) { return active().setSwapInterval(interval); }
void showMainWindow() { active().showMainWindow(); }
void swapBuffers() { active().swapBuffers(); }
void releaseGLContext() { active().releaseGLContext(); }
void destroyMainWindow() { active().destroyMainWindow(); }
void* glProcAddress(const char* name) { return active().glProcAddress(name); }
void errorBox(const std::wstring& text, const std::wstring& caption) {
    active().errorBox(text, caption);
}

// ---- events -----------------------------------------------------------------------------------
bool pollEvent(Event& event) { return active().pollEvent(event); }
void postQuit(int code) { active().postQuit(code); }
void defaultProcessing(const Event& event) { active().defaultProcessing(event); }

// ---- clocks -----------------------------------------------------------------------------------
uint32_t tickCount() { return tickOverride ? tickOverride() : active().tickCount(); }
uint32_t multimediaTime() {
    return multimediaOverride ? multimediaOverride() : active().multimediaTime();
}
void overrideClocks(ClockSource tick, ClockSource multimedia) {
    tickOverride = tick;
    multimediaOverride = multimedia;
}

// ---- cursor -----------------------------------------------------------------------------------
bool getCursorPos(int& x, int& y) { return active().getCursorPos(x, y); }
void setCursorPos(int x, int y) { active().setCursorPos(x, y); }
int showCursor(bool show) { return active().showCursor(show); }

// ---- shell ------------------------------------------------------------------------------------
void openExternal(const std::string& target) { active().openExternal(target); }

}  // namespace platform
