// Files and folders for every suite: a fresh folder per test, raw reads and writes, and the game
// folder fixture (the working directory and baseDirectory point at a fresh folder holding
// Data\Levels\ while the test runs, on the null backend with its fake clock).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace testsupport {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// $TALLIX_TEST_TMP/<suite>_<test> (the system's temporary folder when unset), emptied.
fs::path freshFolder();

std::wstring wide(const fs::path& path);  // as the game names files
// The folder as the game writes paths: its host name, a backslash, then a relative name.
std::wstring gamePath(const fs::path& folder, const std::wstring& relative);

// Writes create the folders on the way; a missing file reads as empty.
void writeText(const fs::path& path, const std::string& text);
void writeBytes(const fs::path& path, const Bytes& bytes);
std::string readText(const fs::path& path);
Bytes readBytes(const fs::path& path);
inline uint32_t le32(const Bytes& bytes, size_t at) {  // the little-endian number at `at`
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}

// The built game folder ($TALLIX_GAME_DIR); fails the test (never skips) when it is not there.
fs::path builtGameFolder();

class GameFolderTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    fs::path levels() const { return folder / "Data" / "Levels"; }

    fs::path folder;

private:
    fs::path savedDirectory_;
    std::wstring savedBase_;
};

}  // namespace testsupport
