// Shared by the bad-input tests: the checked-in corpus tests/badinput/ with its manifest
// expected.txt ("file outcome" lines, written by tools/make-badinput.py), and a fresh game folder
// per test that is the working directory and baseDirectory while the test runs.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Shell.h"
#include "platform/NullBackend.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"

namespace badinput {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

inline fs::path corpus() { return fs::path(TALLIX_SOURCE_DIR) / "tests" / "badinput"; }

// One line of the manifest: a file below corpus() ("dds/width_0.dds") and its outcome words.
struct Check {
    std::string file;
    std::vector<std::string> outcome;
    std::string outcomeText() const {
        std::string text;
        for (const std::string& word : outcome) text += (text.empty() ? "" : " ") + word;
        return text;
    }
};

inline std::vector<Check> manifest() {
    std::vector<Check> checks;
    std::ifstream in(corpus() / "expected.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        Check check;
        if (!(words >> check.file) || check.file[0] == '#') continue;
        for (std::string word; words >> word;) check.outcome.push_back(word);
        checks.push_back(check);
    }
    return checks;
}

// The checks of the files in one folder of the corpus ("dds", "level", "ini").
inline std::vector<Check> checksIn(const std::string& folder) {
    std::vector<Check> selected;
    for (const Check& check : manifest())
        if (check.file.rfind(folder + "/", 0) == 0) selected.push_back(check);
    return selected;
}

inline Bytes readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::wstring wide(const std::string& text) { return platform::fromUtf8(text); }

// A fresh game folder with Data\Levels\, named after the running test under $TALLIX_TEST_TMP.
class GameFolderTest : public testing::Test {
protected:
    static fs::path folderFor(const testing::TestInfo& test) {
        const char* root = std::getenv("TALLIX_TEST_TMP");
        return fs::path(root && *root ? root : "/tmp") / "badinput" /
               (std::string(test.test_suite_name()) + "_" + test.name());
    }

    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        platform::null::reset();
        folder_ = folderFor(*testing::UnitTest::GetInstance()->current_test_info());
        fs::remove_all(folder_);
        fs::create_directories(levels());
        oldDirectory_ = fs::current_path();
        oldBase_ = baseDirectory;
        fs::current_path(folder_);
        baseDirectory = wide(folder_.string()) + L"\\";
    }

    void TearDown() override {
        fs::current_path(oldDirectory_);
        baseDirectory = oldBase_;
    }

    fs::path levels() const { return folder_ / "Data" / "Levels"; }

    // Writes Data\Levels\<name>.grd and loads it into a new board the way the game does.
    std::unique_ptr<CTallix> loadLevel(const std::string& name, const Bytes& file, bool* result = nullptr) {
        writeBytes(levels() / (name + ".grd"), file);
        return loadWritten(name, result);
    }

    // Loads Data\Levels\<name>.grd as it is on disk.
    std::unique_ptr<CTallix> loadWritten(const std::string& name, bool* result = nullptr) {
        auto board = std::make_unique<CTallix>();
        bool loaded = board->loadLevel(L"Data\\Levels\\" + wide(name) + L".grd");
        if (result) *result = loaded;
        return board;
    }

    fs::path folder_;

private:
    fs::path oldDirectory_;
    std::wstring oldBase_;
};

}  // namespace badinput
