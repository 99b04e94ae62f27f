// Shared by the puzzle tests: a fresh game folder per test (working directory and baseDirectory
// point at it, both restored afterwards), the null backend with its fake clock, and level files
// written from a readable grid description.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Shell.h"
#include "platform/NullBackend.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"
#include "tests/support/Boards.h"

namespace puzzletest {

using namespace testsupport;  // the boards every suite shares

class PuzzleTest : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        platform::null::reset();
        platform::null::setTime(10000);
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        const char* root = std::getenv("TALLIX_TEST_TMP");
        folder_ = std::filesystem::path(root && *root ? root : "/tmp") / "puzzle" /
                  (std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "Data" / "Levels");
        oldDirectory_ = std::filesystem::current_path();
        oldBase_ = baseDirectory;
        std::filesystem::current_path(folder_);
        baseDirectory = platform::fromUtf8(folder_.string()) + L"\\";
    }

    void TearDown() override {
        std::filesystem::current_path(oldDirectory_);
        baseDirectory = oldBase_;
    }

    std::filesystem::path levels() const { return folder_ / "Data" / "Levels"; }

    void writeFile(const std::filesystem::path& path, const Bytes& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    Bytes readFile(const std::filesystem::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void writeRecords(const std::string& text) const {
        std::ofstream(levels() / "Recs.ini", std::ios::binary) << text;
    }

    // Writes Data\Levels\<name>.grd and loads it into a new board.
    std::unique_ptr<CTallix> load(const std::string& name, const Bytes& file, bool* result = nullptr) {
        writeFile(levels() / (name + ".grd"), file);
        auto board = std::make_unique<CTallix>();
        bool loaded = board->loadLevel(L"Data\\Levels\\" + platform::fromUtf8(name) + L".grd");
        if (result) *result = loaded;
        return board;
    }

    std::filesystem::path folder_;

private:
    std::filesystem::path oldDirectory_;
    std::wstring oldBase_;
};

}  // namespace puzzletest
