// The real backend: SDL event translation and full-screen mode choice without a display; window,
// context and own-queue behaviour on SDL's offscreen driver (a failure where it cannot start).
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
using platform::sdl::ModeOffer;
using platform::sdl::translateEvent;

namespace {

const EventTarget mainWindow{7, 800, 600};

// SDL's events as its queue would hold them (window 7 unless said otherwise).
SDL_Event buttonEvent(Uint32 type, Uint8 button, int x, int y, Uint32 windowId = 7) {
    SDL_Event event{};
    event.button = {type, 0, windowId, 0, button, Uint8(type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED), 1, 0, x, y};
    return event;
}
SDL_Event motionEvent(int x, int y, Uint32 windowId = 7) {
    SDL_Event event{};
    event.motion = {SDL_MOUSEMOTION, 0, windowId, 0, 0, x, y, 0, 0};
    return event;
}
SDL_Event wheelEvent(int y, Uint32 direction = SDL_MOUSEWHEEL_NORMAL) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;  // fields by name: later SDL versions add more
    event.wheel.windowID = 7;
    event.wheel.y = y;
    event.wheel.direction = direction;
    return event;
}
SDL_Event keyEvent(SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.key = {SDL_KEYDOWN, 0, 7, SDL_PRESSED, repeat, 0, 0, {SDL_SCANCODE_UNKNOWN, sym, mod, 0}};
    return event;
}
SDL_Event windowEvent(Uint8 what, Uint32 windowId = 7) {
    SDL_Event event{};
    event.window = {SDL_WINDOWEVENT, 0, windowId, what, 0, 0, 0, 0, 0};
    return event;
}

// ---- event translation ------------------------------------------------------------------------

// What the game receives (testsupport::describe); "-" for nothing.
std::string received(const SDL_Event& in, const EventTarget& target = mainWindow) {
    Event out;
    return translateEvent(in, target, out) ? testsupport::describe(out) : "-";
}

}  // namespace

TEST(SdlEvents, TranslationGivesTheGameItsEvents) {
    SDL_Event doubleClick = buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 4);
    doubleClick.button.clicks = 2;
    SDL_Event sideways = wheelEvent(0), release = keyEvent(SDLK_ESCAPE), quit{}, text{};
    sideways.wheel.x = 1;
    release.type = SDL_KEYUP;
    quit.type = SDL_QUIT;  // what SIGTERM becomes
    text.type = SDL_TEXTINPUT;
    const std::pair<SDL_Event, std::string> rows[] = {
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20), "press 0 10,20"},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 10, 20), "press 1 10,20"},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 10, 20), "press 2 10,20"},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 11, 21), "release 0 11,21"},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 11, 21), "release 1 11,21"},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 11, 21), "release 2 11,21"},
        {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 10, 20), "-"},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_X2, 10, 20), "-"},
        {doubleClick, "press 0 3,4"},
        // Pointer events count only over the client area of the game's window.
        {motionEvent(0, 0), "move 0,0"},
        {motionEvent(799, 599), "move 799,599"},
        {motionEvent(800, 10), "-"},
        {motionEvent(10, 600), "-"},
        {motionEvent(-1, 10), "-"},
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 5, 5, 0), "-"},  // released after a drag out
        {buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 900, 5), "-"},
        {motionEvent(5, 5, 8), "-"},  // another window
        // 120 a notch, positive away from the user.
        {wheelEvent(1), "wheel 120"},
        {wheelEvent(-2), "wheel -240"},
        {wheelEvent(1, SDL_MOUSEWHEEL_FLIPPED), "wheel -120"},
        {sideways, "-"},
        // Key presses, repeats included, with their characters and modifiers; keypad digits
        // whatever Num Lock says; Alt makes a system key.
        {keyEvent(SDLK_ESCAPE), "key Escape"},
        {keyEvent(SDLK_F1, KMOD_NONE, 1), "key F1 repeat"},
        {keyEvent(SDLK_F2, KMOD_NUM), "key F2"},
        {keyEvent(SDLK_LEFT), "key Left"},
        {keyEvent(SDLK_KP_ENTER), "key Enter"},
        {keyEvent(SDLK_BACKSPACE), "key Backspace"},
        {keyEvent(SDLK_a), "key a"},
        {keyEvent(SDLK_7, KMOD_LSHIFT), "key 7 shift"},
        {keyEvent(SDLK_KP_3, KMOD_RSHIFT), "key 3 shift keypad"},
        {keyEvent(SDLK_z, KMOD_LCTRL), "key z ctrl"},
        {keyEvent(SDLK_ESCAPE, KMOD_LALT), "key Other"},
        {keyEvent(SDLK_CAPSLOCK), "key Other"},
        {release, "-"},
        {windowEvent(SDL_WINDOWEVENT_EXPOSED), "paint"},
        {windowEvent(SDL_WINDOWEVENT_CLOSE), "close"},
        {windowEvent(SDL_WINDOWEVENT_CLOSE, 8), "-"},
        {windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), "focus"},
        {windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), "blur"},
        {windowEvent(SDL_WINDOWEVENT_MINIMIZED), "minimised"},
        {windowEvent(SDL_WINDOWEVENT_RESTORED), "restored"},
        {windowEvent(SDL_WINDOWEVENT_MOVED), "-"},
        {quit, "close"},
        {text, "-"},
    };
    for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(received(rows[i].first), rows[i].second) << "row " << i;
    EXPECT_EQ(received(motionEvent(5, 5), EventTarget{}), "-");  // no window at all
}

TEST(SdlEvents, MadeUpMovesToTheBorderBeforeTheLeaveNoticeAreDropped) {
    Event onBorder, inside;
    onBorder.type = inside.type = EventType::PointerMoved;
    onBorder.x = 300;
    onBorder.y = 599;
    inside.x = 300;
    inside.y = 598;
    SDL_Event leave = windowEvent(SDL_WINDOWEVENT_LEAVE);
    SDL_Event following[] = {motionEvent(300, 599), leave};
    EXPECT_TRUE(platform::sdl::madeUpExitMove(onBorder, following, 2, mainWindow));
    EXPECT_TRUE(platform::sdl::madeUpExitMove(onBorder, following + 1, 1, mainWindow));
    EXPECT_FALSE(platform::sdl::madeUpExitMove(inside, following, 2, mainWindow));
    EXPECT_FALSE(
        platform::sdl::madeUpExitMove(onBorder, following, 1, mainWindow));  // no notice yet
    EXPECT_FALSE(platform::sdl::madeUpExitMove(onBorder, nullptr, 0, mainWindow));

    SDL_Event pressFirst[] = {buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 300, 599), leave};
    EXPECT_FALSE(platform::sdl::madeUpExitMove(onBorder, pressFirst, 2, mainWindow));
    SDL_Event otherWindow[] = {windowEvent(SDL_WINDOWEVENT_LEAVE, 8)};
    EXPECT_FALSE(platform::sdl::madeUpExitMove(onBorder, otherWindow, 1, mainWindow));
}

// ---- full-screen mode choice ------------------------------------------------------------------

TEST(SdlDisplayMode, OnlyTheExactSizeIsTakenNearestInRefreshThenBits) {
    platform::DisplaySettings wanted;  // 800 x 600, 70 Hz, 32 bits
    std::vector<ModeOffer> offers{{1024, 768, 70, 32}, {800, 600, 60, 16}, {800, 600, 75, 32},
                                  {800, 600, 72, 16},  {800, 600, 72, 32}, {600, 800, 70, 32}};
    EXPECT_EQ(platform::sdl::closestModeOffer(offers, wanted), 4);
    offers.push_back({800, 600, 70, 24});
    EXPECT_EQ(platform::sdl::closestModeOffer(offers, wanted), 6);
    wanted.width = 640;
    EXPECT_EQ(platform::sdl::closestModeOffer(offers, wanted), -1);
    EXPECT_EQ(platform::sdl::closestModeOffer({}, wanted), -1);
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
        Event event;
        while (platform::pollEvent(event)) continue;
    }

    // Polls until the queue is empty (testsupport::describe).
    static std::vector<std::string> queued() {
        std::vector<std::string> events;
        Event event;
        while (platform::pollEvent(event)) events.push_back(testsupport::describe(event));
        return events;
    }

    static platform::DisplaySettings size(int width, int height) {
        platform::DisplaySettings settings;
        settings.width = width;
        settings.height = height;
        return settings;
    }
};

}  // namespace

TEST_F(SdlBackend, WindowIsHiddenFixedAndOfTheClientSize) {
    platform::DisplaySettings settings = size(320, 200);
    ASSERT_TRUE(platform::createMainWindow(L"T\u00e9st", settings));
    platform::createGLContext(settings);
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(SDL_GL_GetCurrentContext(), nullptr);
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 200);
    Uint32 flags = SDL_GetWindowFlags(window);
    EXPECT_TRUE(flags & SDL_WINDOW_HIDDEN);
    EXPECT_FALSE(flags & SDL_WINDOW_RESIZABLE);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "T\xC3\xA9st");
    EXPECT_NE(platform::glProcAddress("glGetString"), nullptr);
    EXPECT_FALSE(platform::createMainWindow(L"Second", settings));  // one main window only

    platform::showMainWindow();
    EXPECT_FALSE(SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN);
    std::vector<std::string> events = queued();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "paint");
}

TEST_F(SdlBackend, PixelFormatNobodyOffersFallsBackInsteadOfFailing) {
    platform::DisplaySettings settings = size(64, 64);
    settings.depthBits = 200;
    ASSERT_TRUE(platform::createMainWindow(L"Fallback", settings));
    platform::createGLContext(settings);
    EXPECT_NE(SDL_GL_GetCurrentContext(), nullptr);
}

TEST_F(SdlBackend, ClosingKeepsTheContextUntilItIsReleased) {
    platform::DisplaySettings settings = size(64, 64);
    ASSERT_TRUE(platform::createMainWindow(L"Close", settings));
    platform::createGLContext(settings);
    queued();

    Event close;
    close.type = EventType::CloseRequested;
    platform::defaultProcessing(close);
    platform::postQuit(3);
    platform::destroyMainWindow();  // already gone: nothing more queued
    EXPECT_EQ(queued(), (std::vector<std::string>{"destroyed", "quit 3"}));

    EXPECT_NE(SDL_GL_GetCurrentContext(), nullptr);  // the game still frees its GL objects here
    platform::releaseGLContext();
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_EQ(SDL_GL_GetCurrentWindow(), nullptr);
}

TEST_F(SdlBackend, CursorCounterWorksLikeTheWin32DisplayCounter) {
    int start = platform::showCursor(false) + 1;
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), start - 1 >= 0 ? SDL_ENABLE : SDL_DISABLE);
    EXPECT_EQ(platform::showCursor(false), start - 2);
    EXPECT_EQ(platform::showCursor(true), start - 1);
    EXPECT_EQ(platform::showCursor(true), start);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), start >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

TEST_F(SdlBackend, WindowWithoutContextGoesAtOnceAndANewWindowSystemForgetsItsEvents) {
    ASSERT_TRUE(platform::createMainWindow(L"Bare", size(64, 64)));
    platform::destroyMainWindow();
    EXPECT_EQ(queued(), std::vector<std::string>{"destroyed"});
    ASSERT_TRUE(platform::createMainWindow(L"Again", size(64, 64)));  // the old one is really gone
    platform::destroyMainWindow();
    platform::postQuit(0);
    platform::unregisterWindowClass(L"TestClass");
    ASSERT_TRUE(platform::registerWindowClass(L"TestClass"));
    EXPECT_TRUE(queued().empty());
}
