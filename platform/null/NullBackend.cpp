// The null backend: no window, scripted events, a fake clock; and its test hooks (NullBackend.h).
#include "platform/NullBackend.h"

#include "platform/Backend.h"

#include <deque>

namespace platform {

namespace {

struct NullState {
    std::deque<Event> ownQueue;  // what the backend queues itself, delivered first
    std::deque<Event> script;    // what a test pushed
    uint32_t now = 0;
    bool failRegistration = false, failCreation = false, refuseInterval = false;
    std::vector<std::string> calls;
    unsigned swaps = 0;
    bool classRegistered = false, window = false, context = false;
    std::wstring className, title;
    DisplaySettings settings;
    int interval = -1;
    std::vector<std::wstring> boxTexts, boxCaptions;
    std::vector<std::string> opened;
    int cursorCounter = 0;
    int cursorX = 0, cursorY = 0;
};

NullState state;

bool movesPointer(EventType type) {
    return type == EventType::PointerMoved || type == EventType::ButtonPressed ||
           type == EventType::ButtonReleased;
}

class NullSystem : public SystemBackend {
public:
    bool registerWindowClass(const std::wstring& className) override {
        log("registerWindowClass");
        if (state.failRegistration) return false;
        state.classRegistered = true;
        state.className = className;
        return true;
    }

    void unregisterWindowClass(const std::wstring& className) override {
        log("unregisterWindowClass");
        if (!state.classRegistered || className != state.className) return;
        state.classRegistered = false;
        state.ownQueue.clear();  // events of a window system that is gone; the script stays
    }

    // Like the real thing, a window needs its class first.
    bool createMainWindow(const std::wstring& title, const DisplaySettings& settings) override {
        log("createMainWindow");
        if (state.failCreation || !state.classRegistered) return false;
        state.window = true;
        state.title = title;
        state.settings = settings;
        return true;
    }

    void bringToForeground() override { log("bringToForeground"); }
    void switchDisplayMode(const DisplaySettings&) override { log("switchDisplayMode"); }

    void createGLContext(const DisplaySettings&) override {
        log("createGLContext");
        state.context = state.window;
    }

    bool setSwapInterval(int interval) override {
        log("setSwapInterval");
        if (state.refuseInterval || !state.context) return false;
        state.interval = interval;
        return true;
    }

    void showMainWindow() override {
        log("showMainWindow");
        if (state.window) state.ownQueue.push_back(typed(EventType::Paint));
    }

    void swapBuffers() override { ++state.swaps; }

    void releaseGLContext() override {
        log("releaseGLContext");
        state.context = false;
    }

    void destroyMainWindow() override {
        log("destroyMainWindow");
        if (!state.window) return;
        state.window = false;
        state.ownQueue.push_back(typed(EventType::WindowDestroyed));
    }

    void* glProcAddress(const char*) override { return nullptr; }

    void errorBox(const std::wstring& text, const std::wstring& caption) override {
        log("errorBox");
        state.boxTexts.push_back(text);
        state.boxCaptions.push_back(caption);
    }

    bool pollEvent(Event& event) override {
        std::deque<Event>& queue = state.ownQueue.empty() ? state.script : state.ownQueue;
        if (queue.empty()) return false;
        event = queue.front();
        queue.pop_front();
        if (movesPointer(event.type)) {
            state.cursorX = event.x;
            state.cursorY = event.y;
        }
        return true;
    }

    void postQuit(int code) override {
        Event quit = typed(EventType::Quit);
        quit.quitCode = code;
        state.ownQueue.push_back(quit);
    }

    void defaultProcessing(const Event& event) override {
        if (event.type == EventType::CloseRequested) destroyMainWindow();
    }

    uint32_t tickCount() override { return state.now; }
    uint32_t multimediaTime() override { return state.now; }

    bool getCursorPos(int& x, int& y) override {
        x = state.cursorX;
        y = state.cursorY;
        return true;
    }

    void setCursorPos(int x, int y) override {
        state.cursorX = x;
        state.cursorY = y;
    }

    int showCursor(bool show) override { return state.cursorCounter += show ? 1 : -1; }

    void openExternal(const std::string& target) override { state.opened.push_back(target); }

private:
    static void log(const char* call) { state.calls.emplace_back(call); }

    static Event typed(EventType type) {
        Event event;
        event.type = type;
        return event;
    }
};

}  // namespace

SystemBackend& nullBackend() {
    static NullSystem backend;
    return backend;
}

// ---- test hooks -------------------------------------------------------------------------------
namespace null {

void reset() { state = NullState(); }
void pushEvent(const Event& event) { state.script.push_back(event); }
size_t pendingEvents() { return state.ownQueue.size() + state.script.size(); }
void setTime(uint32_t milliseconds) { state.now = milliseconds; }
void advanceTime(uint32_t milliseconds) { state.now += milliseconds; }

void failClassRegistration(bool fail) { state.failRegistration = fail; }
void failWindowCreation(bool fail) { state.failCreation = fail; }
void refuseSwapInterval(bool refuse) { state.refuseInterval = refuse; }

const std::vector<std::string>& calls() { return state.calls; }
unsigned swapCount() { return state.swaps; }
bool windowExists() { return state.window; }
bool contextCurrent() { return state.context; }
const std::wstring& windowClassName() { return state.className; }
const std::wstring& windowTitle() { return state.title; }
const DisplaySettings& windowSettings() { return state.settings; }
int swapInterval() { return state.interval; }

const std::vector<std::wstring>& errorBoxes() { return state.boxTexts; }
const std::vector<std::wstring>& errorBoxCaptions() { return state.boxCaptions; }
const std::vector<std::string>& openedTargets() { return state.opened; }
int cursorCounter() { return state.cursorCounter; }

}  // namespace null

}  // namespace platform
