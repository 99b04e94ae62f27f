// The interface every window-system backend implements, and the two backends the game can run on.
//
// Platform.h forwards its window, event, clock, cursor and shell functions to the backend chosen
// with selectBackend. Files, profile strings and text do not go through here: they are the same
// in every backend. Only platform/*.cpp includes this header.
#pragma once

#include "platform/Platform.h"

namespace platform {

class SystemBackend {
public:
    virtual ~SystemBackend() = default;

    // window and GL context: the contracts of the functions of the same name in Platform.h
    virtual bool registerWindowClass(const std::wstring& className) = 0;
    virtual void unregisterWindowClass(const std::wstring& className) = 0;
    virtual bool createMainWindow(const std::wstring& title, const DisplaySettings& settings) = 0;
    virtual void bringToForeground() = 0;
    virtual void switchDisplayMode(const DisplaySettings& settings) = 0;
    virtual void createGLContext(const DisplaySettings& settings) = 0;
    virtual bool setSwapInterval(int interval) = 0;
    virtual void showMainWindow() = 0;
    virtual void swapBuffers() = 0;
    virtual void releaseGLContext() = 0;
    virtual void destroyMainWindow() = 0;
    virtual void* glProcAddress(const char* name) = 0;
    virtual void errorBox(const std::wstring& text, const std::wstring& caption) = 0;

    // events
    virtual bool pollEvent(Event& event) = 0;
    virtual void postQuit(int code) = 0;
    virtual void defaultProcessing(const Event& event) = 0;

    // the backend's own clocks; overrideClocks is applied above them, for every backend alike
    virtual uint32_t tickCount() = 0;
    virtual uint32_t multimediaTime() = 0;

    // cursor and shell
    virtual bool getCursorPos(int& x, int& y) = 0;
    virtual void setCursorPos(int x, int y) = 0;
    virtual int showCursor(bool show) = 0;
    virtual void openExternal(const std::string& target) = 0;
};

SystemBackend& realBackend();  // the system's own: SDL2 here, Win32 on Windows
SystemBackend& nullBackend();  // no window, scripted events, fake clock (see NullBackend.h)

}  // namespace platform
