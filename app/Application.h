// The application object: display settings, window and GL context, main loop, frame sequence and
// orderly shutdown. One instance for the life of the process.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/Control.h"

// The root screen element and its frames-per-second overlay. The overlay comes as a function
// because the game controller's drawFps is not a Control operation.
struct RootElement {
    std::unique_ptr<Control> control;
    std::function<void(float)> drawFps;  // may be empty: no overlay
};
// Builds the root once the GL context exists; the entry point hands it in, so the shell never
// depends on the game.
using RootFactory = std::function<RootElement()>;

class CApplication {
public:
    CApplication();   // reads section "System" of the settings file
    ~CApplication();  // writes WaitForVSynch and ShowFPS back, nothing else
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    bool run(const RootFactory& makeRoot);  // false: the window class or the window failed
    void renderFrame();                     // one frame: clear, project, draw, overlay, swap
    void updateFps();                       // counts frames on the multimedia clock

    float fps() const { return fps_; }
    const std::wstring& settingsPath() const { return settingsPath_; }

    static const wchar_t* const title;      // "Tallix Free v1.0"
    static const wchar_t* const className;  // "PelomiCN"

private:
    bool openWindow();
    void setUpContext();
    void mainLoop();
    void tearDown();

    std::wstring currentDirectory_;
    std::wstring settingsPath_;
    bool showFps_ = true;
    float fps_ = 0.0f;
    float frameCount_ = 0.0f;
    float lastFpsTime_ = 0.0f;  // seconds on the multimedia clock
    bool fpsPublished_ = false;
    RootElement root_;
};

// Runs the program: constructs the application, runs it and destroys it. Returns the process exit
// code, 1 after a normal run and 0 when the window class or the window could not be created.
int applicationMain(const RootFactory& makeRoot);
