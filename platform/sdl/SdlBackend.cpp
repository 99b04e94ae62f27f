// The real backend on SDL2: one window with its GL context, the event queue, clocks, cursor and
// shell.
//
// Sections: window and GL context | events | clocks, cursor and shell
//
// Destroying the window while its context lives only hides it: the game frees its GL objects
// after the window is gone (close button, SIGTERM), and that needs the context still current. The
// window itself goes with the context in releaseGLContext.
#include "platform/Backend.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <deque>

namespace platform {

namespace {

uint32_t monotonicMilliseconds() {
    using namespace std::chrono;
    auto sinceStart = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(sinceStart.count());  // wraps like the system tick
}

class SdlSystem : public SystemBackend {
public:
    // ---- window and GL context ----------------------------------------------------------------
    bool registerWindowClass(const std::wstring& className) override {
        if (videoReady) return className == registeredClass;
        SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");         // pointer events over the client
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");  // one close request per close
        SDL_setenv("SDL_VIDEO_X11_WMCLASS", toUtf8(className).c_str(), 0);  // read at video start
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
        SDL_StopTextInput();  // keys only, no text composition
        SDL_ShowCursor(cursorCounter >= 0 ? SDL_ENABLE : SDL_DISABLE);
        videoReady = true;
        registeredClass = className;
        return true;
    }

    void unregisterWindowClass(const std::wstring& className) override {
        if (!videoReady || className != registeredClass) return;
        releaseGLContext();
        if (window) SDL_DestroyWindow(window);
        window = nullptr;
        ownQueue.clear();  // like SDL's own queue, gone with the video subsystem
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        videoReady = false;
    }

    bool createMainWindow(const std::wstring& title, const DisplaySettings& settings) override {
        if (!videoReady || window) return false;
        window = sdl::openMainWindow(toUtf8(title), settings);
        windowGone = false;
        return window != nullptr;
    }

    void bringToForeground() override {
        if (liveWindow()) SDL_RaiseWindow(window);
    }

    void switchDisplayMode(const DisplaySettings& settings) override {
        if (liveWindow()) sdl::enterFullScreenMode(window, settings);
    }

    void createGLContext(const DisplaySettings&) override {
        if (!liveWindow() || context) return;
        context = SDL_GL_CreateContext(window);
        if (!context) {  // any profile will do; the window's pixel format stays as it is
            SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
            context = SDL_GL_CreateContext(window);
        }
        if (context) SDL_GL_MakeCurrent(window, context);
    }

    bool setSwapInterval(int interval) override {
        return context && SDL_GL_SetSwapInterval(interval) == 0;
    }

    void showMainWindow() override {
        if (!liveWindow()) return;
        SDL_ShowWindow(window);
        SDL_RaiseWindow(window);
        queue(EventType::Paint);
    }

    void swapBuffers() override {
        if (liveWindow() && context) SDL_GL_SwapWindow(window);
    }

    void releaseGLContext() override {
        if (context) {
            SDL_GL_MakeCurrent(window, nullptr);
            SDL_GL_DeleteContext(context);
            context = nullptr;
        }
        if (window && windowGone) {
            SDL_DestroyWindow(window);
            window = nullptr;
        }
    }

    void destroyMainWindow() override {
        if (!liveWindow()) return;
        if (context) {
            SDL_HideWindow(window);
            windowGone = true;
        } else {
            SDL_DestroyWindow(window);
            window = nullptr;
        }
        queue(EventType::WindowDestroyed);
    }

    void* glProcAddress(const char* name) override {
        return videoReady ? SDL_GL_GetProcAddress(name) : nullptr;
    }

    void errorBox(const std::wstring& text, const std::wstring& caption) override {
        std::string narrowText = toUtf8(text), narrowCaption = toUtf8(caption);
        int shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, narrowCaption.c_str(),
                                             narrowText.c_str(), nullptr);
        if (shown != 0) {  // no display to show it on
            std::fprintf(stderr, "%s: %s\n", narrowCaption.c_str(), narrowText.c_str());
        }
    }

    // ---- events -------------------------------------------------------------------------------
    bool pollEvent(Event& event) override {
        if (!ownQueue.empty()) {
            event = ownQueue.front();
            ownQueue.pop_front();
            return true;
        }
        if (!videoReady) return false;
        sdl::EventTarget target = eventTarget();
        SDL_Event sdlEvent;
        while (SDL_PollEvent(&sdlEvent)) {
            if (!sdl::translateEvent(sdlEvent, target, event)) continue;
            if (madeUpExitMove(event, target)) continue;
            return true;
        }
        return false;
    }

    void postQuit(int code) override { queue(EventType::Quit).quitCode = code; }

    void defaultProcessing(const Event& event) override {
        if (event.type == EventType::CloseRequested) destroyMainWindow();
    }

    // ---- clocks, cursor and shell -------------------------------------------------------------
    uint32_t tickCount() override { return monotonicMilliseconds(); }
    uint32_t multimediaTime() override { return monotonicMilliseconds(); }

    bool getCursorPos(int& x, int& y) override {
        if (!videoReady) return false;
        SDL_GetGlobalMouseState(&x, &y);
        return true;
    }

    void setCursorPos(int x, int y) override {
        if (!videoReady || SDL_WarpMouseGlobal(x, y) == 0 || !liveWindow()) return;
        int left = 0, top = 0;  // no global warp on this video driver: warp within the window
        SDL_GetWindowPosition(window, &left, &top);
        SDL_WarpMouseInWindow(window, x - left, y - top);
    }

    int showCursor(bool show) override {
        cursorCounter += show ? 1 : -1;
        if (videoReady) SDL_ShowCursor(cursorCounter >= 0 ? SDL_ENABLE : SDL_DISABLE);
        return cursorCounter;
    }

    // xdg-open runs in a grandchild; only the short-lived child is waited for.
    void openExternal(const std::string& target) override { SDL_OpenURL(target.c_str()); }

private:
    bool liveWindow() const { return window && !windowGone; }

    sdl::EventTarget eventTarget() const {
        sdl::EventTarget target;
        if (!liveWindow()) return target;
        target.windowId = SDL_GetWindowID(window);
        SDL_GetWindowSize(window, &target.width, &target.height);
        return target;
    }

    // Looks at what SDL has queued behind the move just taken.
    static bool madeUpExitMove(const Event& move, const sdl::EventTarget& target) {
        SDL_Event following[16];
        int count = SDL_PeepEvents(following, 16, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
        return sdl::madeUpExitMove(move, following, count < 0 ? 0 : count, target);
    }

    Event& queue(EventType type) {
        ownQueue.emplace_back();
        ownQueue.back().type = type;
        return ownQueue.back();
    }

    bool videoReady = false;
    std::wstring registeredClass;
    SDL_Window* window = nullptr;
    bool windowGone = false;  // destroyed for the game, kept until its context is released
    SDL_GLContext context = nullptr;
    std::deque<Event> ownQueue;  // Quit, WindowDestroyed and Paint, delivered before SDL's events
    int cursorCounter = 0;
};

}  // namespace

SystemBackend& realBackend() {
    static SdlSystem backend;
    return backend;
}

}  // namespace platform
