// The real backend: SDL event translation and full-screen mode choice without a display; window,
// context and own-queue behaviour on SDL's offscreen driver, skipped where it cannot start.
#include <SDL.h>
#include <utility>

#include <gtest/gtest.h>

#include <vector>

#include "platform/Platform.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlWindow.h"

using platform::Event;
using platform::EventType;
using platform::Key;
using platform::sdl::EventTarget;
using platform::sdl::ModeOffer;
using platform::sdl::translateEvent;

namespace {

const EventTarget mainWindow{7, 800, 600};

SDL_Event buttonEvent(Uint32 type, Uint8 button, int x, int y, Uint32 windowId = 7) {
    SDL_Event event{};
    event.type = type;
    event.button.windowID = windowId;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event motionEvent(int x, int y, Uint32 windowId = 7) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = windowId;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event wheelEvent(int y, Uint32 direction = SDL_MOUSEWHEEL_NORMAL) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = 7;
    event.wheel.y = y;
    event.wheel.direction = direction;
    return event;
}

SDL_Event keyEvent(SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.repeat = repeat;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    return event;
}

SDL_Event windowEvent(Uint8 what, Uint32 windowId = 7) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = windowId;
    event.window.event = what;
    return event;
}

}  // namespace

// ---- event translation ------------------------------------------------------------------------

TEST(SdlEvents, ThreeButtonsMapToTheGameIndicesBothWays) {
    Event out;
    const Uint8 buttons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT};
    for (int index = 0; index < 3; ++index) {
        ASSERT_TRUE(translateEvent(buttonEvent(SDL_MOUSEBUTTONDOWN, buttons[index], 10, 20),
                                   mainWindow, out));
        EXPECT_EQ(out.type, EventType::ButtonPressed);
        EXPECT_EQ(out.button, index);
        EXPECT_EQ(out.x, 10);
        EXPECT_EQ(out.y, 20);
        ASSERT_TRUE(translateEvent(buttonEvent(SDL_MOUSEBUTTONUP, buttons[index], 11, 21),
                                   mainWindow, out));
        EXPECT_EQ(out.type, EventType::ButtonReleased);
        EXPECT_EQ(out.button, index);
    }
    EXPECT_FALSE(
        translateEvent(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 10, 20), mainWindow, out));
    EXPECT_FALSE(
        translateEvent(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_X2, 10, 20), mainWindow, out));

    SDL_Event doubleClick = buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 4);
    doubleClick.button.clicks = 2;
    ASSERT_TRUE(translateEvent(doubleClick, mainWindow, out));
    EXPECT_EQ(out.type, EventType::ButtonPressed);
}

TEST(SdlEvents, PointerEventsCountOnlyOverTheClientArea) {
    Event out;
    ASSERT_TRUE(translateEvent(motionEvent(0, 0), mainWindow, out));
    EXPECT_EQ(out.type, EventType::PointerMoved);
    ASSERT_TRUE(translateEvent(motionEvent(799, 599), mainWindow, out));
    EXPECT_EQ(out.x, 799);
    EXPECT_EQ(out.y, 599);
    EXPECT_FALSE(translateEvent(motionEvent(800, 10), mainWindow, out));
    EXPECT_FALSE(translateEvent(motionEvent(10, 600), mainWindow, out));
    EXPECT_FALSE(translateEvent(motionEvent(-1, 10), mainWindow, out));
    // a release after dragging out of the window: SDL reports it with no window
    EXPECT_FALSE(
        translateEvent(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 5, 5, 0), mainWindow, out));
    EXPECT_FALSE(
        translateEvent(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 900, 5), mainWindow, out));
    EXPECT_FALSE(translateEvent(motionEvent(5, 5, 8), mainWindow, out));  // another window
    EXPECT_FALSE(translateEvent(motionEvent(5, 5), EventTarget{}, out));  // no window at all
}

TEST(SdlEvents, WheelGives120PerNotchAwayFromTheUser) {
    Event out;
    ASSERT_TRUE(translateEvent(wheelEvent(1), mainWindow, out));
    EXPECT_EQ(out.type, EventType::Wheel);
    EXPECT_EQ(out.wheelDelta, 120);
    ASSERT_TRUE(translateEvent(wheelEvent(-2), mainWindow, out));
    EXPECT_EQ(out.wheelDelta, -240);
    ASSERT_TRUE(translateEvent(wheelEvent(1, SDL_MOUSEWHEEL_FLIPPED), mainWindow, out));
    EXPECT_EQ(out.wheelDelta, -120);
    SDL_Event sideways = wheelEvent(0);
    sideways.wheel.x = 1;
    EXPECT_FALSE(translateEvent(sideways, mainWindow, out));
}

// Named keys, characters with their modifiers, keypad digits whatever Num Lock says; with Alt a
// key is the system's.
TEST(SdlEvents, KeyPressesIncludingRepeatsNameTheGameKeys) {
    struct Row {
        SDL_Keycode sym;
        Uint16 mod;
        Key key;
        char character;
        bool shift, ctrl, keypad;
    } rows[] = {
        {SDLK_ESCAPE, KMOD_NONE, Key::Escape, 0, false, false, false},
        {SDLK_F2, KMOD_NUM, Key::F2, 0, false, false, false},
        {SDLK_LEFT, KMOD_NONE, Key::Left, 0, false, false, false},
        {SDLK_KP_ENTER, KMOD_NONE, Key::Enter, 0, false, false, false},
        {SDLK_BACKSPACE, KMOD_NONE, Key::Backspace, 0, false, false, false},
        {SDLK_7, KMOD_LSHIFT, Key::Character, '7', true, false, false},
        {SDLK_KP_3, KMOD_RSHIFT, Key::Character, '3', true, false, true},
        {SDLK_z, KMOD_LCTRL, Key::Character, 'z', false, true, false},
        {SDLK_ESCAPE, KMOD_LALT, Key::Other, 0, false, false, false},
        {SDLK_CAPSLOCK, KMOD_NONE, Key::Other, 0, false, false, false},
    };
    for (const Row& row : rows) {
        Event out;
        ASSERT_TRUE(translateEvent(keyEvent(row.sym, row.mod), mainWindow, out)) << row.sym;
        EXPECT_EQ(out.type, EventType::KeyPressed);
        EXPECT_EQ(out.key, row.key) << row.sym;
        EXPECT_EQ(out.character, row.character) << row.sym;
        EXPECT_EQ(out.shift, row.shift) << row.sym;
        EXPECT_EQ(out.ctrl, row.ctrl) << row.sym;
        EXPECT_EQ(out.keypad, row.keypad) << row.sym;
    }
    Event out;
    ASSERT_TRUE(translateEvent(keyEvent(SDLK_F1, KMOD_NONE, 1), mainWindow, out));
    EXPECT_TRUE(out.repeat);

    SDL_Event release = keyEvent(SDLK_ESCAPE);
    release.type = SDL_KEYUP;
    EXPECT_FALSE(translateEvent(release, mainWindow, out));
}

TEST(SdlEvents, WindowEventsPaintAskToCloseOrTellTheActivity) {
    Event out;
    std::pair<Uint8, EventType> rows[] = {
        {SDL_WINDOWEVENT_EXPOSED, EventType::Paint},
        {SDL_WINDOWEVENT_CLOSE, EventType::CloseRequested},
        {SDL_WINDOWEVENT_FOCUS_GAINED, EventType::FocusGained},
        {SDL_WINDOWEVENT_FOCUS_LOST, EventType::FocusLost},
        {SDL_WINDOWEVENT_MINIMIZED, EventType::Minimised},
        {SDL_WINDOWEVENT_RESTORED, EventType::Restored},
    };
    for (auto [what, type] : rows) {
        ASSERT_TRUE(translateEvent(windowEvent(what), mainWindow, out)) << int(what);
        EXPECT_EQ(out.type, type) << int(what);
    }
    EXPECT_FALSE(translateEvent(windowEvent(SDL_WINDOWEVENT_CLOSE, 8), mainWindow, out));
    EXPECT_FALSE(translateEvent(windowEvent(SDL_WINDOWEVENT_MOVED), mainWindow, out));

    SDL_Event quit{};
    quit.type = SDL_QUIT;  // what SIGTERM becomes
    ASSERT_TRUE(translateEvent(quit, mainWindow, out));
    EXPECT_EQ(out.type, EventType::CloseRequested);

    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    EXPECT_FALSE(translateEvent(text, mainWindow, out));
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
        if (!platform::registerWindowClass(L"TestClass")) GTEST_SKIP() << "no SDL video driver";
    }
    void TearDown() override {
        platform::releaseGLContext();
        platform::destroyMainWindow();
        platform::unregisterWindowClass(L"TestClass");
        Event event;
        while (platform::pollEvent(event)) continue;
    }

    static std::vector<EventType> drain() {
        std::vector<EventType> types;
        Event event;
        while (platform::pollEvent(event)) types.push_back(event.type);
        return types;
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
    std::vector<EventType> events = drain();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), EventType::Paint);
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
    drain();

    Event close;
    close.type = EventType::CloseRequested;
    platform::defaultProcessing(close);
    platform::postQuit(3);
    platform::destroyMainWindow();  // already gone: nothing more queued
    Event out;
    ASSERT_TRUE(platform::pollEvent(out));
    EXPECT_EQ(out.type, EventType::WindowDestroyed);
    ASSERT_TRUE(platform::pollEvent(out));
    EXPECT_EQ(out.type, EventType::Quit);
    EXPECT_EQ(out.quitCode, 3);
    EXPECT_TRUE(drain().empty());

    EXPECT_NE(SDL_GL_GetCurrentContext(), nullptr);  // the game still frees its GL objects here
    platform::releaseGLContext();
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_EQ(SDL_GL_GetCurrentWindow(), nullptr);
}

TEST_F(SdlBackend, WindowWithoutContextGoesAtOnce) {
    ASSERT_TRUE(platform::createMainWindow(L"Bare", size(64, 64)));
    platform::destroyMainWindow();
    EXPECT_EQ(drain(), std::vector<EventType>{EventType::WindowDestroyed});
    EXPECT_TRUE(platform::createMainWindow(L"Again", size(64, 64)));  // the old one is really gone
}

TEST_F(SdlBackend, CursorCounterWorksLikeTheWin32DisplayCounter) {
    int start = platform::showCursor(false) + 1;
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), start - 1 >= 0 ? SDL_ENABLE : SDL_DISABLE);
    EXPECT_EQ(platform::showCursor(false), start - 2);
    EXPECT_EQ(platform::showCursor(true), start - 1);
    EXPECT_EQ(platform::showCursor(true), start);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), start >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

TEST_F(SdlBackend, ANewWindowSystemStartsWithoutTheOldOnesEvents) {
    ASSERT_TRUE(platform::createMainWindow(L"First", size(64, 64)));
    platform::destroyMainWindow();
    platform::postQuit(0);
    platform::unregisterWindowClass(L"TestClass");
    ASSERT_TRUE(platform::registerWindowClass(L"TestClass"));
    Event out;
    EXPECT_FALSE(platform::pollEvent(out));
}
