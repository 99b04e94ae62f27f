#include "app/Application.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingRoot.h"
#include "app/IniFile.h"
#include "app/Shell.h"
#include "platform/NullBackend.h"
#include "tests/support/TestFiles.h"

using platform::Event;
using platform::EventType;
namespace null = platform::null;

namespace {

// Runs each test in a fresh working directory (GameFolderTest) with the shell's globals as they
// are at process start.
class CApplicationTest : public testsupport::GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        baseDirectory.clear();
        wireframe = false;
        texturing = true;
        systemSettings = SystemSettings();
    }

    // A factory for a recording root that quits after `quitAfterFrames` frames (0: never), and
    // notes what it sees when it is made and destroyed, and the frame rates it is shown.
    RootFactory recordingRoot() {
        return [this] {
            ++rootsMade;
            callsBeforeRoot = null::calls();
            contextAtConstruction = null::contextCurrent();
            auto control = std::make_unique<RecordingRoot>(log);
            if (quitAfterFrames > 0) control->onDraw = [this](int draws) { quitRequested = draws >= quitAfterFrames; };
            control->onDestroy = [this] {
                callsAtRootDestruction = null::calls();
                contextAtDestruction = null::contextCurrent();
                settingsBeforeWriteBack = std::filesystem::exists(folder / "Settings.ini");
            };
            return RootElement{std::move(control), [this](float fps) { fpsShown.push_back(fps); }};
        };
    }

    static void push(EventType type, int button = 0, int x = 0, int y = 0, platform::Key key = platform::Key::Other) {
        null::pushEvent(Event{type, x, y, button, 0, key});
    }
    static void pushKey(platform::Key key) { push(EventType::KeyPressed, 0, 0, 0, key); }

    std::string settingsText() const { return testsupport::readText(folder / "Settings.ini"); }

    std::vector<std::string> log, callsBeforeRoot, callsAtRootDestruction;
    int rootsMade = 0, quitAfterFrames = 0;
    std::vector<float> fpsShown;
    bool contextAtConstruction = false, contextAtDestruction = false, settingsBeforeWriteBack = true;
};

// The window's settings as created, in a line: "800x600 32/24 bits 70 Hz windowed".
std::string created() {
    const platform::DisplaySettings& w = null::windowSettings();
    return std::to_string(w.width) + "x" + std::to_string(w.height) + " " + std::to_string(w.bitsPerPixel) + "/" +
           std::to_string(w.depthBits) + " bits " + std::to_string(w.frequency) + " Hz " +
           (w.fullScreen ? "full screen" : "windowed");
}

const std::vector<std::string> startUpCalls = {"registerWindowClass", "createMainWindow", "bringToForeground",
                                               "createGLContext", "setSwapInterval", "showMainWindow"};

}  // namespace

// Esc ends the loop: the F1 behind it is never handled, and no frame was drawn while the queue held
// events.
TEST_F(CApplicationTest, DefaultsWithoutSettingsFileAndWriteBackOfTwoKeys) {
    pushKey(platform::Key::Escape);
    pushKey(platform::Key::F1);
    EXPECT_EQ(applicationMain(recordingRoot()), 1);
    EXPECT_FALSE(wireframe);
    EXPECT_EQ(null::swapCount(), 0u);
    EXPECT_EQ(created(), "800x600 32/24 bits 70 Hz windowed");
    EXPECT_EQ(null::swapInterval(), 0);
    EXPECT_EQ(null::windowClassName(), L"PelomiCN");
    EXPECT_EQ(baseDirectory, testsupport::wide(folder) + L"\\");
    EXPECT_EQ(settingsText(), "[System]\r\nWaitForVSynch=0\r\nShowFPS=1\r\n");
}

// The settings file is found in any case and stays the one file; a client size that is not
// positive falls back to the default.
TEST_F(CApplicationTest, SettingsFileIsUsedAndOnlyTwoKeysRewritten) {
    const std::string others = "BitsPerPixel=16\nDepthBits=16\nFrequency=60\n";
    testsupport::writeText(folder / "settings.ini",
                           "[System]\nWidth = 640\nHeight=-5\nFullScreen=1\nWaitForVSynch=yes\nShowFPS=0\n" + others);
    push(EventType::PointerMoved, 0, 320, 120);
    push(EventType::ButtonReleased, 2, 320, 120);  // not the root's
    quitAfterFrames = 2;
    EXPECT_EQ(applicationMain(recordingRoot()), 1);
    EXPECT_EQ(null::swapCount(), 2u);
    EXPECT_TRUE(fpsShown.empty());  // ShowFPS=0
    EXPECT_EQ(created(), "640x600 16/16 bits 60 Hz full screen");
    EXPECT_EQ(null::swapInterval(), 1);
    EXPECT_NE(std::find(null::calls().begin(), null::calls().end(), "switchDisplayMode"), null::calls().end());
    EXPECT_EQ(log, (std::vector<std::string>{"move 0.5 0.6"}));
    EXPECT_FALSE(std::filesystem::exists(folder / "Settings.ini"));
    EXPECT_EQ(testsupport::readText(folder / "settings.ini"),
              "[System]\nWidth = 640\nHeight=-5\nFullScreen=1\nWaitForVSynch=1\nShowFPS=0\n" + others);
}

// A failed start shows its own error box only, makes no root and still writes the settings back.
TEST_F(CApplicationTest, FailedStartShowsOnlyItsOwnBox) {
    const std::tuple<void (*)(bool), std::wstring, std::vector<std::string>> rows[] = {
        {null::failClassRegistration, L"Failed To Register The Window Class (1)", {"registerWindowClass", "errorBox"}},
        {null::failWindowCreation, L"Failed To Init Instance for Main.",
         {"registerWindowClass", "createMainWindow", "errorBox"}},  // the class is kept
    };
    for (const auto& [fail, box, calls] : rows) {
        null::reset();
        std::filesystem::remove(folder / "Settings.ini");
        fail(true);
        EXPECT_EQ(applicationMain(recordingRoot()), 0);
        EXPECT_EQ(null::errorBoxes(), std::vector<std::wstring>{box});
        EXPECT_EQ(null::errorBoxCaptions(), std::vector<std::wstring>{L"Error"});
        EXPECT_EQ(null::calls(), calls);
        EXPECT_EQ(rootsMade, 0);
        EXPECT_EQ(settingsText(), "[System]\r\nWaitForVSynch=0\r\nShowFPS=1\r\n");
    }
}

// The root is made after the window is shown, with the context current, and destroyed first,
// before the settings are written back.
TEST_F(CApplicationTest, QuitRequestedByTheRootEndsWithFullTeardown) {
    quitAfterFrames = 3;
    EXPECT_EQ(applicationMain(recordingRoot()), 1);
    EXPECT_EQ(rootsMade, 1);
    EXPECT_EQ(null::swapCount(), 3u);
    EXPECT_EQ(fpsShown, (std::vector<float>{1.0f, 1.0f, 1.0f}));
    EXPECT_EQ(callsBeforeRoot, startUpCalls);
    EXPECT_TRUE(contextAtConstruction);
    EXPECT_EQ(callsAtRootDestruction, startUpCalls);
    EXPECT_TRUE(contextAtDestruction);
    EXPECT_FALSE(settingsBeforeWriteBack);
    std::vector<std::string> all = startUpCalls;
    all.insert(all.end(), {"releaseGLContext", "destroyMainWindow", "unregisterWindowClass"});
    EXPECT_EQ(null::calls(), all);
    EXPECT_FALSE(null::windowExists() || null::contextCurrent());
}

// The frame rate publishes after more than a second, counting the publishing frame; the first
// frame publishes itself from any clock origin, and a clock that wraps round publishes at once.
TEST_F(CApplicationTest, FpsPublishesAfterMoreThanOneSecond) {
    const std::tuple<uint32_t, int, float> runs[][5] = {  // the time, frames drawn then, the frame rate shown
        {{0, 1, 1.0f}, {500, 3, 1.0f}, {1000, 1, 1.0f}, {1001, 1, 5.0f}, {1001, 1, 5.0f}},
        {{0xFFFFFFFFu - 300u, 1, 1.0f}, {99, 2, 1.0f}, {1299, 1, 2.0f}},
    };
    for (const auto& run : runs) {
        CApplication application;
        for (const auto& [time, frames, fps] : run) {
            if (frames == 0) break;
            null::setTime(time);
            for (int i = 0; i < frames; ++i) application.updateFps();
            EXPECT_FLOAT_EQ(application.fps(), fps) << "at " << time;
        }
    }
}
