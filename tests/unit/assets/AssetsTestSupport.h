// What the tests of the generated game folder share: the built folder (a failure, never a skip,
// when it is missing), its INI files read the way the game reads them, and its images back through
// the game's DDS reader.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "gfx/DdsImage.h"
#include "platform/Platform.h"
#include "tests/support/TestFiles.h"

namespace assettest {

namespace fs = std::filesystem;

inline fs::path gameFolder;  // set by BuiltData for the running test

// Tests of the folder that the build assembles for the game ($TALLIX_GAME_DIR).
class BuiltData : public testing::Test {
protected:
    void SetUp() override {
        gameFolder = testsupport::builtGameFolder();
        ASSERT_FALSE(HasFailure());
    }
};

inline fs::path data(const std::string& relative) { return gameFolder / "Data" / relative; }

// The game's INI reader on a file of the game folder.
inline IniFile ini(const fs::path& path) { return IniFile(testsupport::wide(path)); }

// Level 0 of a DDS file as the game uploads it: blue, green, red, alpha, top row first.
struct Picture {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> bgra;

    const uint8_t* at(uint32_t x, uint32_t y) const { return &bgra[(size_t(y) * width + x) * 4]; }
};

inline bool readPicture(const fs::path& path, Picture& picture) {
    nv_dds::CImageFile file;
    if (!file.readFile(path.string()) || file.format() != nv_dds::FormatBgra) return false;
    const nv_dds::CTexture& level = file.texture(0);
    picture.width = level.width();
    picture.height = level.height();
    picture.bgra.assign(level.pixels(), level.pixels() + level.size());
    return true;
}

// Every file below a folder, as paths relative to it with '/', in sorted order.
inline std::vector<std::string> filesBelow(const fs::path& root) {
    std::vector<std::string> names;
    if (!fs::is_directory(root)) return names;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) names.push_back(entry.path().lexically_relative(root).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace assettest
