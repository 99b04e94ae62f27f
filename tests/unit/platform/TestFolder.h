// Files for the platform tests: an empty folder per test, game-style paths into it, raw bytes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "platform/Platform.h"

namespace platformtest {

// An empty folder for the running test: $TALLIX_TEST_TMP (or /tmp) / Suite.Test.
inline std::filesystem::path testFolder() {
    const char* root = std::getenv("TALLIX_TEST_TMP");
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = std::filesystem::path(root && *root ? root : "/tmp") /
                                   (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// The folder as the game writes paths: its host name, a backslash, then a relative name.
inline std::wstring gamePath(const std::filesystem::path& folder, const std::wstring& relative) {
    return platform::fromUtf8(folder.string()) + L"\\" + relative;
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace platformtest
