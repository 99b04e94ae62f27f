// The application object. Sections: settings | start-up | main loop | frame | teardown | entry.
#include "app/Application.h"

#include "app/IniFile.h"
#include "app/Shell.h"
#include "app/WindowProc.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"

const wchar_t* const CApplication::title = L"Tallix Free v1.0";
const wchar_t* const CApplication::className = L"PelomiCN";

namespace {

const wchar_t* const systemSection = L"System";

// A non-positive client size would leave no window and no way to scale the pointer.
int positiveOr(int value, int fallback) { return value > 0 ? value : fallback; }

SystemSettings readSystemSettings(const IniFile& ini) {
    SystemSettings s;
    platform::DisplaySettings& d = s.display;
    d.bitsPerPixel = ini.readInt(systemSection, L"BitsPerPixel", 32);
    d.depthBits = ini.readInt(systemSection, L"DepthBits", 24);
    d.width = positiveOr(ini.readInt(systemSection, L"Width", 800), 800);
    d.height = positiveOr(ini.readInt(systemSection, L"Height", 600), 600);
    d.frequency = ini.readInt(systemSection, L"Frequency", 70);
    d.fullScreen = ini.readBool(systemSection, L"FullScreen", false);
    s.waitForVSynch = ini.readBool(systemSection, L"WaitForVSynch", false);
    s.showFps = ini.readBool(systemSection, L"ShowFPS", true);
    return s;
}

// The state every drawing routine relies on; nothing resets it later. Depth testing stays off for
// the whole run: the depth buffer is cleared every frame but never tested.
void setInitialGLState(const platform::DisplaySettings& display) {
    glViewport(0, 0, display.width, display.height);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

// View units: x from 0 (left) to 1 (right), y from 0 (bottom) to 0.75 (top).
void setViewProjection() {
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 1.0, 0.0, 0.75, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace

// ---- settings ---------------------------------------------------------------------------------

CApplication::CApplication()
    : currentDirectory_(platform::currentDirectory()),
      settingsPath_(currentDirectory_ + L"\\" + settingsFileName) {
    baseDirectory = currentDirectory_ + L"\\";
    systemSettings = readSystemSettings(IniFile(settingsPath_));
    showFps_ = systemSettings.showFps;
    quitRequested = false;
}

CApplication::~CApplication() {
    IniFile ini(settingsPath_);
    ini.writeBool(systemSection, L"WaitForVSynch", systemSettings.waitForVSynch);
    ini.writeBool(systemSection, L"ShowFPS", showFps_);
}

// ---- start-up ---------------------------------------------------------------------------------

bool CApplication::run(const RootFactory& makeRoot) {
    if (!openWindow()) return false;
    setUpContext();
    platform::showMainWindow();
    root_ = makeRoot();
    mainLoop();
    tearDown();
    return true;
}

bool CApplication::openWindow() {
    if (!platform::registerWindowClass(className)) {
        platform::errorBox(L"Failed To Register The Window Class (1)", L"Error");
        return false;
    }
    if (!platform::createMainWindow(title, systemSettings.display)) {
        platform::errorBox(L"Failed To Init Instance for Main.", L"Error");
        return false;  // the class stays registered
    }
    platform::bringToForeground();
    if (systemSettings.display.fullScreen) platform::switchDisplayMode(systemSettings.display);
    return true;
}

// Nothing here is checked: a refused swap interval or a poor pixel format leaves the program
// running with whatever the system gave.
void CApplication::setUpContext() {
    platform::createGLContext(systemSettings.display);
    platform::setSwapInterval(systemSettings.waitForVSynch ? 1 : 0);
    setInitialGLState(systemSettings.display);
}

// ---- main loop --------------------------------------------------------------------------------

// Never waits: a frame is drawn whenever the queue is empty, paced only by the buffer swap.
void CApplication::mainLoop() {
    platform::Event event;
    while (!quitRequested) {
        if (!platform::pollEvent(event)) {
            renderFrame();
        } else if (event.type == platform::EventType::Quit) {
            quitRequested = true;
        } else {
            WindowProc(event, root_.control.get());
        }
    }
}

// ---- frame ------------------------------------------------------------------------------------

void CApplication::renderFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setViewProjection();
    updateFps();
    if (root_.control) root_.control->draw();
    if (showFps_ && root_.drawFps) root_.drawFps(fps_);
    platform::swapBuffers();
}

// Publishes the frame count once more than a second has passed since the last publication; the
// publishing frame counts itself, so the first frame shows 1. The first frame publishes whatever
// the clock's origin, and a clock that wrapped round starts a new second instead of stalling.
void CApplication::updateFps() {
    float now = static_cast<float>(platform::multimediaTime()) * 0.001f;
    frameCount_ += 1.0f;
    bool due = !fpsPublished_ || now - lastFpsTime_ > 1.0f || now < lastFpsTime_;
    if (!due) return;
    lastFpsTime_ = now;
    fps_ = frameCount_;
    frameCount_ = 0.0f;
    fpsPublished_ = true;
}

// ---- teardown ---------------------------------------------------------------------------------

// The root goes first, while the context is still current: it saves the game, writes the game
// settings and frees its GL objects.
void CApplication::tearDown() {
    root_.drawFps = nullptr;
    root_.control.reset();
    platform::releaseGLContext();
    platform::destroyMainWindow();
    platform::unregisterWindowClass(className);
}

// ---- entry ------------------------------------------------------------------------------------

int applicationMain(const RootFactory& makeRoot) {
    bool completed = false;
    {
        CApplication application;
        completed = application.run(makeRoot);
    }  // the settings are written back whether or not the run completed
    return completed ? 1 : 0;
}
