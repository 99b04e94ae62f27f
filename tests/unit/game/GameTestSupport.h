// Shared by the controller's tests: a fresh game folder per test (working directory and
// baseDirectory point at it), the null backend with its fake clock, and level files.
//
// The folder holds no images, so no texture is ever uploaded. Fonts and styles still issue their
// GL calls; without a context the GL library ignores them (nothing here reads GL state back).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Shell.h"
#include "game/Game.h"
#include "platform/NullBackend.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"
#include "tests/unit/puzzle/PuzzleTestSupport.h"
#include "ui/UI.h"

namespace gametest {

using puzzletest::Bytes;

class GameFolderTest : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        platform::null::reset();
        platform::null::setTime(100000);
        quitRequested = false;
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        const char* root = std::getenv("TALLIX_TEST_TMP");
        folder = std::filesystem::path(root && *root ? root : "/tmp") / "game" /
                 (std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Data" / "Levels");
        oldDirectory_ = std::filesystem::current_path();
        oldBase_ = baseDirectory;
        std::filesystem::current_path(folder);
        baseDirectory = platform::fromUtf8(folder.string()) + L"\\";
    }

    void TearDown() override {
        std::filesystem::current_path(oldDirectory_);
        baseDirectory = oldBase_;
        quitRequested = false;
    }

    std::filesystem::path levels() const { return folder / "Data" / "Levels"; }

    void writeFile(const std::filesystem::path& path, const std::string& text) const {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    void writeBytes(const std::filesystem::path& path, const Bytes& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::string readFile(const std::filesystem::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Level01.grd ... LevelNN.grd, each the 3 x 3 board of the puzzle tests.
    void writeLevels(int count) const {
        for (int i = 1; i <= count; ++i) {
            std::string name = (i < 10 ? "Level0" : "Level") + std::to_string(i) + ".grd";
            writeBytes(levels() / name, puzzletest::levelFile(puzzletest::squareGrid()));
        }
    }

    // Style folders need no files: a style that does not load completely is a style all the same.
    void writeStyleCatalogue(const std::string& entries) const {
        writeFile(folder / "Data" / "Styles" / "VisualStyles.ini", "[Styles]\n" + entries);
    }

    std::filesystem::path folder;

private:
    std::filesystem::path oldDirectory_;
    std::wstring oldBase_;
};

// A frame after `milliseconds` more on the fake clock.
inline void frameAfter(CGame& game, uint32_t milliseconds) {
    platform::null::advanceTime(milliseconds);
    game.draw();
}

// A left click (press and release) at a view point.
inline void click(CGame& game, float x, float y, int button = 0) {
    game.mouseMove(x, y);
    game.buttonDown(x, y, button);
    game.buttonUp(x, y, button);
}

// The middle of a button, where a click surely lands.
inline void clickButton(CGame& game, const uiButton& button) {
    click(game, button.x + button.width / 2, button.y - button.height / 2);
}

// The solution of the 3 x 3 board: across 4 = 1 + 3, across 6 = 2 + 4, down 3 = 1 + 2, down 7 = 3 + 4.
inline void solve(CTallix& board) {
    puzzletest::enter(puzzletest::playable(board, 1, 1), 1);
    puzzletest::enter(puzzletest::playable(board, 2, 1), 3);
    puzzletest::enter(puzzletest::playable(board, 1, 2), 2);
    puzzletest::enter(puzzletest::playable(board, 2, 2), 4);
}

}  // namespace gametest
