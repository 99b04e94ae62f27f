// The real backend on Windows: the window class and main window, the WGL context, the message
// queue, clocks, cursor and shell, made with the system's own calls.
//
// Sections: window and GL context | events | clocks, cursor and shell | window procedure
//
// Messages reach the window procedure below while pollEvent dispatches them; it turns each one the
// game cares about into an Event, queues it and returns at once, and pollEvent hands the queue to
// the game's own window procedure. So a close request cannot destroy the window behind the game's
// back: WM_CLOSE only queues CloseRequested, and defaultProcessing destroys the window when the
// game passes the request on. Destroying the window while its context lives only hides it: the
// game frees its GL objects after the window is gone, and that needs the context still current.
// The window itself goes with the context in releaseGLContext.
#include "platform/Backend.h"
#include "platform/win32/Win32.h"

#include <mmsystem.h>  // timeGetTime
#include <shellapi.h>  // ShellExecuteA

#include <deque>

namespace platform {

namespace {

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// wglGetProcAddress reports a missing entry as null and, on some drivers, as 1, 2, 3 or -1.
void* validEntry(PROC entry) {
    auto value = reinterpret_cast<intptr_t>(entry);
    if (value == 0 || value == 1 || value == 2 || value == 3 || value == -1) return nullptr;
    return reinterpret_cast<void*>(entry);
}

class Win32System : public SystemBackend {
public:
    // ---- window and GL context ----------------------------------------------------------------
    bool registerWindowClass(const std::wstring& className) override {
        if (classRegistered) return className == registeredClass;
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;  // no CS_DBLCLKS
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(win32::iconResource));
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = className.c_str();
        if (!RegisterClassExW(&windowClass)) return false;
        classRegistered = true;
        registeredClass = className;
        return true;
    }

    void unregisterWindowClass(const std::wstring& className) override {
        if (!classRegistered || className != registeredClass) return;
        releaseGLContext();
        if (window) destroyNow();
        UnregisterClassW(className.c_str(), instance);
        classRegistered = false;
        ownQueue.clear();  // events of a window that is gone
    }

    bool createMainWindow(const std::wstring& title, const DisplaySettings& settings) override {
        if (!classRegistered || window) return false;
        SIZE size = win32::outerSize(settings);
        int x = settings.fullScreen ? 0 : CW_USEDEFAULT;
        int y = settings.fullScreen ? 0 : CW_USEDEFAULT;
        window = CreateWindowExW(0, registeredClass.c_str(), title.c_str(),
                                 win32::windowStyle(settings), x, y, size.cx, size.cy, nullptr,
                                 nullptr, instance, nullptr);
        if (!window) return false;
        windowGone = false;
        win32::fitClientArea(window, settings);
        return true;
    }

    void bringToForeground() override {
        if (liveWindow()) SetForegroundWindow(window);
    }

    void switchDisplayMode(const DisplaySettings& settings) override {
        if (liveWindow() && settings.fullScreen) win32::changeDisplayMode(settings);
    }

    // Nothing is checked, as the game expects: a poor format or no context leaves it running
    // without a usable picture.
    void createGLContext(const DisplaySettings& settings) override {
        if (!liveWindow() || context) return;
        deviceContext = GetDC(window);
        if (!deviceContext) return;
        PIXELFORMATDESCRIPTOR format = win32::pixelFormat(settings);
        SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &format), &format);
        context = wglCreateContext(deviceContext);
        if (context) wglMakeCurrent(deviceContext, context);
    }

    bool setSwapInterval(int interval) override {
        using SwapInterval = BOOL(WINAPI*)(int);
        if (!context) return false;
        void* entry = validEntry(wglGetProcAddress("wglSwapIntervalEXT"));
        if (!entry) return false;
        return reinterpret_cast<SwapInterval>(entry)(interval) != FALSE;
    }

    // Shown the normal way, whatever show command the process was started with; UpdateWindow
    // sends the first WM_PAINT, which queues Paint.
    void showMainWindow() override {
        if (!liveWindow()) return;
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }

    void swapBuffers() override {
        if (deviceContext && context) SwapBuffers(deviceContext);
    }

    void releaseGLContext() override {
        if (context) {
            wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(context);
            context = nullptr;
        }
        if (deviceContext) {
            ReleaseDC(window, deviceContext);
            deviceContext = nullptr;
        }
        if (window && windowGone) destroyNow();
    }

    void destroyMainWindow() override {
        if (!liveWindow()) return;
        if (context) {
            ShowWindow(window, SW_HIDE);
            windowGone = true;
            queue(EventType::WindowDestroyed);
        } else {
            destroyNow();  // WM_DESTROY queues WindowDestroyed
        }
    }

    // Core entry points are exports of opengl32.dll, which wglGetProcAddress does not report.
    void* glProcAddress(const char* name) override {
        if (!context) return nullptr;
        if (void* entry = validEntry(wglGetProcAddress(name))) return entry;
        HMODULE library = GetModuleHandleW(L"opengl32.dll");
        return library ? reinterpret_cast<void*>(GetProcAddress(library, name)) : nullptr;
    }

    void errorBox(const std::wstring& text, const std::wstring& caption) override {
        MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    }

    // ---- events -------------------------------------------------------------------------------
    // Sent messages are delivered inside PeekMessageW, so the queue is looked at again after it.
    bool pollEvent(Event& event) override {
        for (;;) {
            if (takeQueued(event)) return true;
            MSG message;
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return takeQueued(event);
            if (message.message == WM_QUIT) {
                event = Event();
                event.type = EventType::Quit;
                event.quitCode = static_cast<int>(message.wParam);
                return true;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    void postQuit(int code) override { PostQuitMessage(code); }

    // The window procedure already gave every other message its default processing.
    void defaultProcessing(const Event& event) override {
        if (event.type == EventType::CloseRequested) destroyMainWindow();
    }

    // ---- clocks, cursor and shell -------------------------------------------------------------
    uint32_t tickCount() override { return GetTickCount(); }
    uint32_t multimediaTime() override { return timeGetTime(); }

    bool getCursorPos(int& x, int& y) override {
        POINT point;
        if (!GetCursorPos(&point)) return false;
        x = point.x;
        y = point.y;
        return true;
    }

    void setCursorPos(int x, int y) override { SetCursorPos(x, y); }
    int showCursor(bool show) override { return ShowCursor(show ? TRUE : FALSE); }

    // The result is not examined: no browser or mail program leaves the game as it was.
    void openExternal(const std::string& target) override {
        ShellExecuteA(nullptr, "open", target.c_str(), "", "", 0);
    }

    // ---- window procedure ---------------------------------------------------------------------
    LRESULT handleMessage(HWND from, UINT message, WPARAM wParam, LPARAM lParam) {
        Event event;
        if (!win32::translateMessage(message, wParam, lParam, event))
            return DefWindowProcW(from, message, wParam, lParam);
        switch (message) {
        case WM_PAINT: {  // validates the update region; the next frame draws
            PAINTSTRUCT paint;
            BeginPaint(from, &paint);
            EndPaint(from, &paint);
            break;
        }
        case WM_DESTROY:  // already reported when the window was hidden for the game
            if (from == window && windowGone) return 0;
            break;
        case WM_MBUTTONUP:  // these releases are the system's: reported, and processed as usual
        case WM_RBUTTONUP:
            ownQueue.push_back(event);
            return DefWindowProcW(from, message, wParam, lParam);
        default: break;
        }
        ownQueue.push_back(event);
        return 0;
    }

private:
    bool liveWindow() const { return window && !windowGone; }

    void destroyNow() {
        DestroyWindow(window);
        window = nullptr;
        windowGone = false;
    }

    void queue(EventType type) {
        ownQueue.emplace_back();
        ownQueue.back().type = type;
    }

    bool takeQueued(Event& event) {
        if (ownQueue.empty()) return false;
        event = ownQueue.front();
        ownQueue.pop_front();
        return true;
    }

    HINSTANCE instance = GetModuleHandleW(nullptr);
    bool classRegistered = false;
    std::wstring registeredClass;
    HWND window = nullptr;
    bool windowGone = false;  // destroyed for the game, kept until its context is released
    HDC deviceContext = nullptr;
    HGLRC context = nullptr;
    std::deque<Event> ownQueue;  // what the window procedure made of the dispatched messages
};

Win32System& win32System() {
    static Win32System backend;
    return backend;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return win32System().handleMessage(window, message, wParam, lParam);
}

}  // namespace

// The real backend of this system.
SystemBackend& realBackend() { return win32System(); }

}  // namespace platform
