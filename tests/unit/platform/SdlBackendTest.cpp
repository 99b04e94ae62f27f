// The real backend: SDL event translation and full-screen mode choice without a display; window,
// context and own-queue behaviour on SDL's offscreen driver (a failure where it cannot start). The
// window's size as the player gets it is tests/e2e/test_window.sh's.
#include <SDL.h>
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlWindow.h"
#include "tests/support/PlatformEvents.h"

using platform::Event;
using platform::EventType;
using platform::sdl::EventTarget;
using platform::sdl::madeUpExitMove;
using testsupport::queuedEvents;

namespace {

const EventTarget mainWindow{7, 800, 600};

// SDL's events as its queue would hold them (window 7 unless said otherwise).
SDL_Event button(Uint32 type, Uint8 which, int x, int y, Uint32 window = 7) {
    SDL_Event e{};
    e.button = {type, 0, window, 0, which, Uint8(type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED), 1, 0, x, y};
    return e;
}
SDL_Event motion(int x, int y, Uint32 window = 7) {
    SDL_Event e{};
    e.motion = {SDL_MOUSEMOTION, 0, window, 0, 0, x, y, 0, 0};
    return e;
}
SDL_Event wheel(int y, Uint32 direction = SDL_MOUSEWHEEL_NORMAL, int x = 0) {
    SDL_Event e{SDL_MOUSEWHEEL};  // fields by name: later SDL versions add more
    e.wheel.windowID = 7;
    e.wheel.x = x, e.wheel.y = y, e.wheel.direction = direction;
    return e;
}
SDL_Event key(SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0, Uint32 type = SDL_KEYDOWN) {
    SDL_Event e{};
    e.key = {type, 0, 7, SDL_PRESSED, repeat, 0, 0, {SDL_SCANCODE_UNKNOWN, sym, mod, 0}};
    return e;
}
SDL_Event window(Uint8 what, Uint32 id = 7) {
    SDL_Event e{};
    e.window = {SDL_WINDOWEVENT, 0, id, what, 0, 0, 0, 0, 0};
    return e;
}

// What the game receives (testsupport::describe); "-" for nothing.
std::string received(const SDL_Event& in, const EventTarget& target = mainWindow) {
    Event out;
    return platform::sdl::translateEvent(in, target, out) ? testsupport::describe(out) : "-";
}

}  // namespace

TEST(SdlEvents, TranslationGivesTheGameItsEvents) {
    SDL_Event doubleClick = button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 4);
    doubleClick.button.clicks = 2;
    const std::pair<SDL_Event, std::string> rows[] = {
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20), "press 0 10,20"},
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 10, 20), "press 1 10,20"},
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 10, 20), "press 2 10,20"},
        {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 11, 21), "release 0 11,21"},
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 10, 20), "-"},
        {doubleClick, "press 0 3,4"},
        // Pointer events count only over the client area of the game's window.
        {motion(0, 0), "move 0,0"},
        {motion(799, 599), "move 799,599"},
        {motion(800, 10), "-"},
        {motion(10, 600), "-"},
        {motion(-1, 10), "-"},
        {motion(10, -1), "-"},
        {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 5, 5, 0), "-"},  // released after a drag out
        {motion(5, 5, 8), "-"},  // another window
        // 120 a notch, positive away from the user.
        {wheel(1), "wheel 120"},
        {wheel(-2), "wheel -240"},
        {wheel(1, SDL_MOUSEWHEEL_FLIPPED), "wheel -120"},
        {wheel(0, SDL_MOUSEWHEEL_NORMAL, 1), "-"},  // sideways
        // Key presses, repeats included, with their characters and modifiers; keypad digits
        // whatever Num Lock says; Alt makes a system key; modifier keys alone are no presses.
        {key(SDLK_ESCAPE), "key Escape"},
        {key(SDLK_F1, KMOD_NONE, 1), "key F1 repeat"},
        {key(SDLK_F2, KMOD_NUM), "key F2"},
        {key(SDLK_LEFT), "key Left"},
        {key(SDLK_KP_ENTER), "key Enter"},
        {key(SDLK_BACKSPACE), "key Backspace"},
        {key(SDLK_a), "key a"},
        {key(SDLK_7, KMOD_LSHIFT), "key 7 shift"},
        {key(SDLK_KP_3, KMOD_RSHIFT), "key 3 shift keypad"},
        {key(SDLK_z, KMOD_LCTRL), "key z ctrl"},
        {key(SDLK_ESCAPE, KMOD_LALT), "key Other"},
        {key(SDLK_F5), "key Other"},
        {key(SDLK_CAPSLOCK), "-"},
        {key(SDLK_LSHIFT, KMOD_LSHIFT), "-"},
        {key(SDLK_RALT, KMOD_RALT), "-"},
        {key(SDLK_ESCAPE, KMOD_NONE, 0, SDL_KEYUP), "-"},
        {window(SDL_WINDOWEVENT_EXPOSED), "paint"},
        {window(SDL_WINDOWEVENT_CLOSE), "close"},
        {window(SDL_WINDOWEVENT_CLOSE, 8), "-"},
        {window(SDL_WINDOWEVENT_FOCUS_GAINED), "focus"},
        {window(SDL_WINDOWEVENT_FOCUS_LOST), "blur"},
        {window(SDL_WINDOWEVENT_MINIMIZED), "minimised"},
        {window(SDL_WINDOWEVENT_RESTORED), "restored"},
        {window(SDL_WINDOWEVENT_MOVED), "-"},
        {SDL_Event{SDL_QUIT}, "close"},  // what SIGTERM becomes
        {SDL_Event{SDL_TEXTINPUT}, "-"},
    };
    for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(received(rows[i].first), rows[i].second) << "row " << i;
    EXPECT_EQ(received(motion(5, 5), EventTarget{}), "-");  // no window at all
}

TEST(SdlEvents, MadeUpMovesToTheBorderBeforeTheLeaveNoticeAreDropped) {
    auto madeUp = [](int y, std::vector<SDL_Event> following) {
        return madeUpExitMove(Event{EventType::PointerMoved, 300, y}, following.data(), int(following.size()), mainWindow);
    };
    const SDL_Event leave = window(SDL_WINDOWEVENT_LEAVE);
    EXPECT_TRUE(madeUp(599, {motion(300, 599), leave}));
    EXPECT_TRUE(madeUp(599, {leave}));
    EXPECT_FALSE(madeUp(598, {motion(300, 599), leave}));  // inside
    EXPECT_FALSE(madeUp(599, {motion(300, 599)}));         // no notice yet
    EXPECT_FALSE(madeUp(599, {}));
    EXPECT_FALSE(madeUp(599, {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 300, 599), leave}));
    EXPECT_FALSE(madeUp(599, {window(SDL_WINDOWEVENT_LEAVE, 8)}));
}

TEST(SdlDisplayMode, OnlyTheExactSizeIsTakenNearestInRefreshThenBits) {
    platform::DisplaySettings wanted;  // 800 x 600, 70 Hz, 32 bits
    std::vector<platform::sdl::ModeOffer> offers{{1024, 768, 70, 32}, {800, 600, 60, 16}, {800, 600, 75, 32},
                                                 {800, 600, 72, 16},  {800, 600, 72, 32}, {600, 800, 70, 32}};
    EXPECT_EQ(platform::sdl::closestModeOffer(offers, wanted), 4);
    offers.push_back({800, 600, 70, 24});
    EXPECT_EQ(platform::sdl::closestModeOffer(offers, wanted), 6);
    EXPECT_EQ(platform::sdl::closestModeOffer({}, wanted), -1);
    wanted.width = 640;
    EXPECT_EQ(platform::sdl::closestModeOffer(offers, wanted), -1);
}

// ---- the backend on the offscreen driver ------------------------------------------------------
namespace {

class SdlBackend : public testing::Test {
protected:
    void SetUp() override {
        SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
        platform::selectBackend(platform::Backend::Real);
        ASSERT_TRUE(platform::registerWindowClass(L"TestClass")) << "SDL's offscreen video driver did not start";
    }
    void TearDown() override {
        platform::releaseGLContext();
        platform::destroyMainWindow();
        platform::unregisterWindowClass(L"TestClass");
        queuedEvents();
    }
};

using Size = platform::DisplaySettings;  // {width, height, colour bits, depth bits}

}  // namespace

TEST_F(SdlBackend, WindowIsHiddenAndFixedUntilShown) {
    ASSERT_TRUE(platform::createMainWindow(L"T\u00e9st", Size{320, 200}));
    platform::createGLContext(Size{320, 200});
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    ASSERT_TRUE(window && SDL_GL_GetCurrentContext());
    EXPECT_EQ(SDL_GetWindowFlags(window) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE), Uint32(SDL_WINDOW_HIDDEN));
    EXPECT_STREQ(SDL_GetWindowTitle(window), "T\xC3\xA9st");
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(320, 200));  // the settings' size, not a default
    EXPECT_NE(platform::glProcAddress("glGetString"), nullptr);
    EXPECT_FALSE(platform::createMainWindow(L"Second", Size{320, 200}));  // one main window only
    platform::showMainWindow();
    EXPECT_FALSE(SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN);
    EXPECT_EQ(queuedEvents().at(0), "paint");
}

// A pixel format nobody offers falls back instead of failing; the game frees its GL objects after
// the window is gone, so the context stays until it is released.
TEST_F(SdlBackend, ClosingKeepsTheContextUntilItIsReleased) {
    ASSERT_TRUE(platform::createMainWindow(L"Close", Size{64, 64, 32, 200}));
    platform::createGLContext(Size{64, 64, 32, 200});
    EXPECT_NE(SDL_GL_GetCurrentContext(), nullptr);
    queuedEvents();
    platform::defaultProcessing(Event{EventType::CloseRequested});
    platform::postQuit(3);
    platform::destroyMainWindow();  // already gone: nothing more queued
    EXPECT_EQ(queuedEvents(), (std::vector<std::string>{"destroyed", "quit 3"}));
    EXPECT_NE(SDL_GL_GetCurrentContext(), nullptr);
    platform::releaseGLContext();
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_EQ(SDL_GL_GetCurrentWindow(), nullptr);
}

// A window without a context goes at once; a new window system forgets the old one's events; the
// cursor counts like the Win32 display counter.
TEST_F(SdlBackend, BareWindowNewWindowSystemAndCursorCounter) {
    ASSERT_TRUE(platform::createMainWindow(L"Bare", Size{64, 64}));
    platform::destroyMainWindow();
    EXPECT_EQ(queuedEvents(), std::vector<std::string>{"destroyed"});
    ASSERT_TRUE(platform::createMainWindow(L"Again", Size{64, 64}));  // the old one is really gone
    platform::destroyMainWindow();
    platform::postQuit(0);
    platform::unregisterWindowClass(L"TestClass");
    ASSERT_TRUE(platform::registerWindowClass(L"TestClass"));
    EXPECT_TRUE(queuedEvents().empty());

    int start = platform::showCursor(false) + 1;
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), start - 1 >= 0 ? SDL_ENABLE : SDL_DISABLE);
    EXPECT_EQ(platform::showCursor(false), start - 2);
    EXPECT_EQ(platform::showCursor(true), start - 1);
    EXPECT_EQ(platform::showCursor(true), start);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), start >= 0 ? SDL_ENABLE : SDL_DISABLE);
}
