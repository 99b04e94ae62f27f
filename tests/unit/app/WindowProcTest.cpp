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
using testsupport::queuedEvents;

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

    // A wheel event's delta is given as its x (its position is not used).
    static Event make(EventType type, int x = 0, int y = 0, int button = 0) { return Event{type, x, y, button, x}; }
    static Event key(Key k, char character = 0) { return Event{EventType::KeyPressed, 0, 0, 0, 0, k, character}; }

    std::vector<std::string> log;
    RecordingRoot root{log};
};

}  // namespace

// Presses of every button, releases of the left one only, the wheel, keys other than the shell's
// and changes of the window's activity reach the root, in view units (x 0 to 1 from the left, y
// 0.75 to 0 from the top); paint never does; Escape quits, F1 and F2 switch wireframe and texturing.
// Before the root exists, events go nowhere.
TEST_F(WindowProcTest, InputReachesTheRootAndKeysWorkTheShell) {
    for (const Event& event : {make(EventType::ButtonPressed, 1, 1, 0), make(EventType::Wheel, 120),
                               key(Key::Character, 'a'), make(EventType::FocusLost), make(EventType::FocusGained)})
        WindowProc(event, nullptr);
    for (const Event& event : {make(EventType::ButtonPressed, 400, 300, 0), make(EventType::ButtonReleased, 400, 300, 0),
                               make(EventType::ButtonPressed, 0, 0, 1), make(EventType::ButtonReleased, 0, 0, 1),
                               make(EventType::ButtonPressed, 0, 0, 2), make(EventType::ButtonReleased, 0, 0, 2),
                               make(EventType::PointerMoved, 799, 150), make(EventType::Wheel, -120),
                               make(EventType::Wheel, 240), key(Key::Other), key(Key::Character, '7'), key(Key::F1),
                               key(Key::F2), make(EventType::Paint), make(EventType::FocusLost),
                               make(EventType::Minimised), make(EventType::FocusGained), make(EventType::Restored)})
        WindowProc(event, &root);
    EXPECT_EQ(log, (std::vector<std::string>{"down 0.5 0.375 0", "up 0.5 0.375 0", "down 0 0.75 1", "down 0 0.75 2",
                                             "move 0.99875 0.5625", "wheel -120", "wheel 240", "key Other", "key 7",
                                             "inactive", "active"}));
    EXPECT_EQ(root.draws, 0);
    EXPECT_TRUE(queuedEvents().empty());
    EXPECT_TRUE(wireframe);
    EXPECT_FALSE(texturing);
    WindowProc(key(Key::F1), &root);
    WindowProc(key(Key::F2), &root);
    EXPECT_FALSE(wireframe);
    EXPECT_TRUE(texturing);

    WindowProc(key(Key::Escape), &root);
    EXPECT_EQ(queuedEvents(), std::vector<std::string>{"quit 0"});
    WindowProc(make(EventType::WindowDestroyed), &root);
    EXPECT_EQ(queuedEvents(), std::vector<std::string>{"quit 0"});
    EXPECT_EQ(log.size(), 11u);
}

TEST_F(WindowProcTest, CloseRequestDestroysTheWindowWhichEndsTheProgram) {
    ASSERT_TRUE(platform::registerWindowClass(L"PelomiCN"));
    ASSERT_TRUE(platform::createMainWindow(L"T", systemSettings.display));
    WindowProc(make(EventType::CloseRequested), &root);
    EXPECT_FALSE(platform::null::windowExists());
    EXPECT_EQ(queuedEvents(), std::vector<std::string>{"destroyed"});
    WindowProc(make(EventType::WindowDestroyed), &root);
    EXPECT_EQ(queuedEvents(), std::vector<std::string>{"quit 0"});
}
