// Fixture files for the graphics tests: a fresh folder per test under $TALLIX_TEST_TMP (/tmp when
// unset), made the game's baseDirectory while the test runs.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "app/Shell.h"
#include "platform/Platform.h"

namespace gfxtest {

inline std::filesystem::path freshFolder() {
    const char* root = std::getenv("TALLIX_TEST_TMP");
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path dir = std::filesystem::path(root && *root ? root : "/tmp") / "gfx" /
                                (std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// Writes `text` to folder/relative (relative uses '/'), creating the folders on the way.
inline void writeText(const std::filesystem::path& folder, const std::string& relative, const std::string& text) {
    std::filesystem::path path = folder / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A test whose INI files live in its own folder, which baseDirectory points at.
class FolderTest : public testing::Test {
protected:
    void SetUp() override {
        folder = freshFolder();
        savedBase = baseDirectory;
        baseDirectory = platform::fromUtf8(folder.string()) + L"\\";
    }
    void TearDown() override { baseDirectory = savedBase; }

    std::filesystem::path folder;
    std::wstring savedBase;
};

}  // namespace gfxtest
