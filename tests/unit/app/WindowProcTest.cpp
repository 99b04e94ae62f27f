#include "app/WindowProc.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingRoot.h"
#include "app/Shell.h"
#include "platform/NullBackend.h"

using platform::Event;
using platform::EventType;
using platform::Key;

namespace {

class WindowProcTest : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        platform::null::reset();
        systemSettings = SystemSettings();
        wireframe = false;
        texturing = true;
    }

    static Event pointer(EventType type, int x, int y, int button = 0) {
        Event e;
        e.type = type;
        e.x = x;
        e.y = y;
        e.button = button;
        return e;
    }
    static Event key(Key k) {
        Event e;
        e.type = EventType::KeyPressed;
        e.key = k;
        return e;
    }
    static Event typed(EventType type) {
        Event e;
        e.type = type;
        return e;
    }

    // The types of every event waiting in the queue, oldest first.
    static std::vector<EventType> drainQueue() {
        std::vector<EventType> types;
        Event e;
        while (platform::pollEvent(e)) types.push_back(e.type);
        return types;
    }

    std::vector<std::string> log;
    RecordingRoot root{log};
};

}  // namespace

TEST(PixelToView, CornersOfTheClientArea) {
    for (int w : {800, 640, 1024}) {
        int h = w * 3 / 4;
        ViewPoint topLeft = pixelToView(0, 0, w, h);
        EXPECT_FLOAT_EQ(topLeft.x, 0.0f);
        EXPECT_FLOAT_EQ(topLeft.y, 0.75f);
        ViewPoint bottomRight = pixelToView(w - 1, h - 1, w, h);
        EXPECT_FLOAT_EQ(bottomRight.x, 1.0f - 1.0f / static_cast<float>(w));
        // y comes from a subtraction near 0.75, so it carries that magnitude's rounding.
        EXPECT_NEAR(bottomRight.y, 0.75f / static_cast<float>(h), 1e-6f);
        EXPECT_GT(bottomRight.y, 0.0f);
    }
    ViewPoint centre = pixelToView(400, 300, 800, 600);
    EXPECT_FLOAT_EQ(centre.x, 0.5f);
    EXPECT_FLOAT_EQ(centre.y, 0.375f);
}

TEST_F(WindowProcTest, PressesOfEveryButtonReachTheRootOnlyLeftReleases) {
    WindowProc(pointer(EventType::ButtonPressed, 400, 300, 0), &root);
    WindowProc(pointer(EventType::ButtonReleased, 400, 300, 0), &root);
    WindowProc(pointer(EventType::ButtonPressed, 0, 0, 1), &root);
    WindowProc(pointer(EventType::ButtonReleased, 0, 0, 1), &root);
    WindowProc(pointer(EventType::ButtonPressed, 0, 0, 2), &root);
    WindowProc(pointer(EventType::ButtonReleased, 0, 0, 2), &root);
    EXPECT_EQ(log, (std::vector<std::string>{"down 0.5 0.375 0", "up 0.5 0.375 0", "down 0 0.75 1",
                                             "down 0 0.75 2"}));
}

TEST_F(WindowProcTest, WheelPassesTheSignedDelta) {
    Event towardsUser = typed(EventType::Wheel);
    towardsUser.wheelDelta = -120;
    towardsUser.x = 5;  // the position of a wheel event is not used
    Event away = towardsUser;
    away.wheelDelta = 240;
    WindowProc(towardsUser, &root);
    WindowProc(away, &root);
    EXPECT_EQ(log, (std::vector<std::string>{"wheel -120", "wheel 240"}));
}

TEST_F(WindowProcTest, KeysNeverReachTheRoot) {
    for (Key k : {Key::Escape, Key::F1, Key::F2, Key::Other}) WindowProc(key(k), &root);
    WindowProc(typed(EventType::Paint), &root);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(root.draws, 0);
}

TEST_F(WindowProcTest, EscapeAndDestroyedWindowPostQuit) {
    WindowProc(key(Key::Escape), &root);
    Event quit;
    ASSERT_TRUE(platform::pollEvent(quit));
    EXPECT_EQ(quit.type, EventType::Quit);
    EXPECT_EQ(quit.quitCode, 0);

    WindowProc(typed(EventType::WindowDestroyed), &root);
    EXPECT_EQ(drainQueue(), std::vector<EventType>{EventType::Quit});

    WindowProc(key(Key::Other), &root);
    EXPECT_TRUE(drainQueue().empty());
}

TEST_F(WindowProcTest, CloseRequestDestroysTheWindowWhichEndsTheProgram) {
    ASSERT_TRUE(platform::registerWindowClass(L"PelomiCN"));
    ASSERT_TRUE(platform::createMainWindow(L"T", systemSettings.display));
    WindowProc(typed(EventType::CloseRequested), &root);
    EXPECT_FALSE(platform::null::windowExists());
    Event destroyed;
    ASSERT_TRUE(platform::pollEvent(destroyed));
    ASSERT_EQ(destroyed.type, EventType::WindowDestroyed);
    WindowProc(destroyed, &root);
    EXPECT_EQ(drainQueue(), std::vector<EventType>{EventType::Quit});
}

TEST_F(WindowProcTest, FunctionKeysToggleDrawingModes) {
    WindowProc(key(Key::F1), &root);
    EXPECT_TRUE(wireframe);
    WindowProc(key(Key::F1), &root);
    EXPECT_FALSE(wireframe);
    WindowProc(key(Key::F2), &root);
    EXPECT_FALSE(texturing);
    WindowProc(key(Key::F2), &root);
    EXPECT_TRUE(texturing);
}

TEST_F(WindowProcTest, EventsBeforeTheRootExistsAreDropped) {
    WindowProc(pointer(EventType::ButtonPressed, 1, 1, 0), nullptr);
    Event wheel = typed(EventType::Wheel);
    wheel.wheelDelta = 120;
    WindowProc(wheel, nullptr);
    WindowProc(key(Key::Escape), nullptr);
    EXPECT_EQ(drainQueue(), std::vector<EventType>{EventType::Quit});
}
