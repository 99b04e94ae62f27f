// Temporary files for the shell's tests, named after the test that uses them, under
// $TALLIX_TEST_TMP (the working directory when it is not set).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/Platform.h"

namespace testfiles {

inline std::filesystem::path tempRoot() {
    const char* dir = std::getenv("TALLIX_TEST_TMP");
    return dir && *dir ? std::filesystem::path(dir) : std::filesystem::current_path();
}

// A fresh, empty folder named after the running test.
inline std::filesystem::path freshFolder() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path dir =
        tempRoot() / "app" / (std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::wstring wide(const std::filesystem::path& path) {
    return platform::fromUtf8(path.string());
}

inline void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testfiles
