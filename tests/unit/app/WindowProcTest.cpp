#include "app/WindowProc.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingRoot.h"
#include "app/Shell.h"
#include "platform/NullBackend.h"
#include "tests/support/PlatformEvents.h"

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

    static Event make(EventType type, int x = 0, int y = 0, int button = 0) {
        Event e;
        e.type = type;
        e.x = x;
        e.y = y;
        e.button = button;
        return e;
    }
    static Event key(Key k) {
        Event e = make(EventType::KeyPressed);
        e.key = k;
        return e;
    }
    static Event wheel(int delta) {
        Event e = make(EventType::Wheel, 5);  // the position of a wheel event is not used
        e.wheelDelta = delta;
        return e;
    }

    // What the backend has queued, oldest first (testsupport::describe).
    static std::vector<std::string> queued() {
        std::vector<std::string> events;
        Event e;
        while (platform::pollEvent(e)) events.push_back(testsupport::describe(e));
        return events;
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

// Presses of every button, releases of the left one only, and the wheel reach the root; keys and
// paint never do; Escape quits, F1 and F2 switch wireframe and texturing.
TEST_F(WindowProcTest, InputReachesTheRootAndKeysWorkTheShell) {
    for (const Event& event : {make(EventType::ButtonPressed, 400, 300, 0), make(EventType::ButtonReleased, 400, 300, 0),
                               make(EventType::ButtonPressed, 0, 0, 1), make(EventType::ButtonReleased, 0, 0, 1),
                               make(EventType::ButtonPressed, 0, 0, 2), make(EventType::ButtonReleased, 0, 0, 2),
                               wheel(-120), wheel(240), key(Key::Other), key(Key::F1), key(Key::F2),
                               make(EventType::Paint)})
        WindowProc(event, &root);
    EXPECT_EQ(log, (std::vector<std::string>{"down 0.5 0.375 0", "up 0.5 0.375 0", "down 0 0.75 1", "down 0 0.75 2",
                                             "wheel -120", "wheel 240"}));
    EXPECT_EQ(root.draws, 0);
    EXPECT_TRUE(queued().empty());
    EXPECT_TRUE(wireframe);
    EXPECT_FALSE(texturing);
    WindowProc(key(Key::F1), &root);
    WindowProc(key(Key::F2), &root);
    EXPECT_FALSE(wireframe);
    EXPECT_TRUE(texturing);

    WindowProc(key(Key::Escape), &root);
    EXPECT_EQ(queued(), std::vector<std::string>{"quit 0"});
    WindowProc(make(EventType::WindowDestroyed), &root);
    EXPECT_EQ(queued(), std::vector<std::string>{"quit 0"});
    EXPECT_EQ(log.size(), 6u);
}

TEST_F(WindowProcTest, CloseRequestDestroysTheWindowWhichEndsTheProgram) {
    ASSERT_TRUE(platform::registerWindowClass(L"PelomiCN"));
    ASSERT_TRUE(platform::createMainWindow(L"T", systemSettings.display));
    WindowProc(make(EventType::CloseRequested), &root);
    EXPECT_FALSE(platform::null::windowExists());
    EXPECT_EQ(queued(), std::vector<std::string>{"destroyed"});
    WindowProc(make(EventType::WindowDestroyed), &root);
    EXPECT_EQ(queued(), std::vector<std::string>{"quit 0"});
}

TEST_F(WindowProcTest, EventsBeforeTheRootExistsAreDropped) {
    WindowProc(make(EventType::ButtonPressed, 1, 1, 0), nullptr);
    WindowProc(wheel(120), nullptr);
    WindowProc(key(Key::Escape), nullptr);
    EXPECT_EQ(queued(), std::vector<std::string>{"quit 0"});
}
