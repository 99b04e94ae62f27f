#include "app/Application.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingRoot.h"
#include "app/IniFile.h"
#include "app/Shell.h"
#include "platform/NullBackend.h"
#include "tests/support/TestFiles.h"

using platform::Event;
using platform::EventType;

namespace {

// Runs each test in a fresh working directory with the null backend and the shell's globals as
// they are at process start.
class CApplicationTest : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        platform::null::reset();
        quitRequested = false;
        wireframe = false;
        texturing = true;
        systemSettings = SystemSettings();
        previousDirectory = std::filesystem::current_path();
        folder = testsupport::freshFolder();
        std::filesystem::current_path(folder);
    }
    void TearDown() override { std::filesystem::current_path(previousDirectory); }

    // A factory for a recording root; the root's frames-per-second overlay is written down too.
    RootFactory recordingRoot() {
        return [this] {
            ++rootsMade;
            callsBeforeRoot = platform::null::calls();
            contextAtConstruction = platform::null::contextCurrent();
            auto control = std::make_unique<RecordingRoot>(log);
            root = control.get();
            if (quitAfterFrames > 0)
                root->onDraw = [this](int draws) { quitRequested = draws >= quitAfterFrames; };
            root->onDestroy = [this] {
                callsAtRootDestruction = platform::null::calls();
                contextAtDestruction = platform::null::contextCurrent();
                settingsBeforeWriteBack = std::filesystem::exists(folder / "Settings.ini");
            };
            RootElement element;
            element.control = std::move(control);
            element.drawFps = [this](float fps) { fpsShown.push_back(fps); };
            return element;
        };
    }

    static void push(EventType type, int button = 0, int x = 0, int y = 0) {
        Event e;
        e.type = type;
        e.button = button;
        e.x = x;
        e.y = y;
        platform::null::pushEvent(e);
    }
    static void pushKey(platform::Key key) {
        Event e;
        e.type = EventType::KeyPressed;
        e.key = key;
        platform::null::pushEvent(e);
    }

    std::string settingsText() const { return testsupport::readText(folder / "Settings.ini"); }

    std::filesystem::path previousDirectory;
    std::filesystem::path folder;
    std::vector<std::string> log;
    RecordingRoot* root = nullptr;
    int rootsMade = 0;
    int quitAfterFrames = 0;
    std::vector<float> fpsShown;
    std::vector<std::string> callsBeforeRoot;
    std::vector<std::string> callsAtRootDestruction;
    bool contextAtConstruction = false;
    bool contextAtDestruction = false;
    bool settingsBeforeWriteBack = true;
};

// The window's settings as created, in a line: "800x600 32/24 bits 70 Hz windowed".
std::string created() {
    const platform::DisplaySettings& w = platform::null::windowSettings();
    return std::to_string(w.width) + "x" + std::to_string(w.height) + " " + std::to_string(w.bitsPerPixel) + "/" +
           std::to_string(w.depthBits) + " bits " + std::to_string(w.frequency) + " Hz " +
           (w.fullScreen ? "full screen" : "windowed");
}

const std::vector<std::string> startUpCalls = {
    "registerWindowClass", "createMainWindow", "bringToForeground", "createGLContext",
    "setSwapInterval",     "showMainWindow"};

}  // namespace

TEST_F(CApplicationTest, DefaultsWithoutSettingsFileAndWriteBackOfTwoKeys) {
    pushKey(platform::Key::Escape);
    EXPECT_EQ(applicationMain(recordingRoot()), 1);

    EXPECT_EQ(created(), "800x600 32/24 bits 70 Hz windowed");
    EXPECT_EQ(platform::null::swapInterval(), 0);
    EXPECT_EQ(platform::null::windowTitle(), L"Tallix Free v1.0");
    EXPECT_EQ(platform::null::windowClassName(), L"PelomiCN");
    EXPECT_EQ(baseDirectory, testsupport::wide(folder) + L"\\");

    EXPECT_EQ(settingsText(), "[System]\r\nWaitForVSynch=0\r\nShowFPS=1\r\n");
}

TEST_F(CApplicationTest, SettingsFileIsUsedAndOnlyTwoKeysRewritten) {
    testsupport::writeText(folder / "Settings.ini",
                         "[System]\nWidth = 640\nHeight=480\nFullScreen=1\nWaitForVSynch=yes\n"
                         "ShowFPS=0\nBitsPerPixel=16\nDepthBits=16\nFrequency=60\n");
    push(EventType::PointerMoved, 0, 320, 120);
    quitAfterFrames = 2;
    EXPECT_EQ(applicationMain(recordingRoot()), 1);
    EXPECT_EQ(platform::null::swapCount(), 2u);
    EXPECT_TRUE(fpsShown.empty());  // ShowFPS=0

    EXPECT_EQ(created(), "640x480 16/16 bits 60 Hz full screen");
    EXPECT_EQ(platform::null::swapInterval(), 1);
    const auto& calls = platform::null::calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "switchDisplayMode"), calls.end());
    EXPECT_EQ(log, (std::vector<std::string>{"move 0.5 0.5625"}));

    EXPECT_EQ(settingsText(), "[System]\nWidth = 640\nHeight=480\nFullScreen=1\nWaitForVSynch=1\nShowFPS=0\n"
                              "BitsPerPixel=16\nDepthBits=16\nFrequency=60\n");  // other lines as they were
}

TEST_F(CApplicationTest, LowerCaseSettingsFileIsTheOneFile) {
    testsupport::writeText(folder / "settings.ini", "[System]\nWidth=640\nHeight=480\nShowFPS=\n");
    pushKey(platform::Key::Escape);
    EXPECT_EQ(applicationMain(recordingRoot()), 1);
    EXPECT_EQ(platform::null::windowSettings().width, 640);

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    ASSERT_EQ(names.size(), 1u);
    IniFile written(testsupport::wide(folder / names[0]));
    EXPECT_EQ(written.readString(L"System", L"ShowFPS"), L"1");  // empty read as true
    EXPECT_EQ(written.readInt(L"System", L"Width", 0), 640);
}

// A failed start shows its own error box only, makes no root and still writes the settings back.
TEST_F(CApplicationTest, FailedStartShowsOnlyItsOwnBox) {
    const struct Row {
        void (*fail)(bool);
        std::wstring box;
        std::vector<std::string> calls;
    } rows[] = {
        {platform::null::failClassRegistration, L"Failed To Register The Window Class (1)",
         {"registerWindowClass", "errorBox"}},
        {platform::null::failWindowCreation, L"Failed To Init Instance for Main.",
         {"registerWindowClass", "createMainWindow", "errorBox"}},  // the class is kept
    };
    for (const Row& row : rows) {
        platform::null::reset();
        std::filesystem::remove(folder / "Settings.ini");
        row.fail(true);
        EXPECT_EQ(applicationMain(recordingRoot()), 0);
        EXPECT_EQ(platform::null::errorBoxes(), std::vector<std::wstring>{row.box});
        EXPECT_EQ(platform::null::errorBoxCaptions(), std::vector<std::wstring>{L"Error"});
        EXPECT_EQ(platform::null::calls(), row.calls);
        EXPECT_EQ(rootsMade, 0);
        EXPECT_EQ(settingsText(), "[System]\r\nWaitForVSynch=0\r\nShowFPS=1\r\n");
    }
}

TEST_F(CApplicationTest, QuitRequestedByTheRootEndsWithFullTeardown) {
    quitAfterFrames = 3;
    EXPECT_EQ(applicationMain(recordingRoot()), 1);
    EXPECT_EQ(rootsMade, 1);
    EXPECT_EQ(platform::null::swapCount(), 3u);
    EXPECT_EQ(fpsShown, (std::vector<float>{1.0f, 1.0f, 1.0f}));

    // The root is made after the window is shown, with the context current, and destroyed first.
    EXPECT_EQ(callsBeforeRoot, startUpCalls);
    EXPECT_TRUE(contextAtConstruction);
    EXPECT_EQ(callsAtRootDestruction, startUpCalls);
    EXPECT_TRUE(contextAtDestruction);
    EXPECT_FALSE(settingsBeforeWriteBack);

    std::vector<std::string> all = startUpCalls;
    all.insert(all.end(), {"releaseGLContext", "destroyMainWindow", "unregisterWindowClass"});
    EXPECT_EQ(platform::null::calls(), all);
    EXPECT_FALSE(platform::null::windowExists());
    EXPECT_FALSE(platform::null::contextCurrent());
}

TEST_F(CApplicationTest, InputReachesTheRootThroughTheLoop) {
    push(EventType::ButtonPressed, 2, 400, 300);
    push(EventType::ButtonReleased, 2, 400, 300);
    push(EventType::ButtonPressed, 0, 0, 0);
    push(EventType::ButtonReleased, 0, 0, 0);
    Event wheel;
    wheel.type = EventType::Wheel;
    wheel.wheelDelta = -120;
    platform::null::pushEvent(wheel);
    pushKey(platform::Key::Escape);
    pushKey(platform::Key::F1);  // never handled: the loop has ended
    EXPECT_EQ(applicationMain(recordingRoot()), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"down 0.5 0.375 2", "down 0 0.75 0", "up 0 0.75 0",
                                             "wheel -120"}));
    EXPECT_FALSE(wireframe);
    EXPECT_EQ(platform::null::swapCount(), 0u);  // the queue was never empty
}

// The frame rate publishes after more than a second, counting the publishing frame; the first
// frame publishes itself from any clock origin, and a clock that wraps round publishes at once.
TEST_F(CApplicationTest, FpsPublishesAfterMoreThanOneSecond) {
    const struct Step {
        uint32_t time;
        int frames;
        float fps;
    } runs[][5] = {
        {{0, 1, 1.0f}, {500, 3, 1.0f}, {1000, 1, 1.0f}, {1001, 1, 5.0f}, {1001, 1, 5.0f}},
        {{0xFFFFFFFFu - 300u, 1, 1.0f}, {99, 2, 1.0f}, {1299, 1, 2.0f}},
    };
    for (const auto& run : runs) {
        CApplication application;
        for (const Step& step : run) {
            if (step.frames == 0) break;
            platform::null::setTime(step.time);
            for (int i = 0; i < step.frames; ++i) application.updateFps();
            EXPECT_FLOAT_EQ(application.fps(), step.fps) << "at " << step.time;
        }
    }
}
