// What the tests of the generated game folder share: where the folder is, how to read its INI
// files the way the game does, and its images back through the game's DDS reader.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "gfx/DdsImage.h"
#include "platform/Platform.h"

namespace assettest {

// $TALLIX_GAME_DIR, the folder the build assembles for the game; empty when it is not set.
inline std::filesystem::path gameDir() {
    const char* dir = std::getenv("TALLIX_GAME_DIR");
    return dir && *dir ? std::filesystem::path(dir) : std::filesystem::path();
}

// Skips the test when no game folder is given; fails it when the folder holds no art at all.
#define REQUIRE_GAME_DATA()                                                                       \
    do {                                                                                          \
        if (assettest::gameDir().empty())                                                         \
            GTEST_SKIP() << "TALLIX_GAME_DIR is not set: run through ctest after building "       \
                            "game_data";                                                          \
        ASSERT_TRUE(std::filesystem::is_directory(assettest::gameDir() / "Data"))                 \
            << "no Data folder in " << assettest::gameDir() << ": build the game_data target";    \
    } while (0)

inline std::filesystem::path data(const std::string& relative) { return gameDir() / "Data" / relative; }

// The game's INI reader on a file of the game folder.
inline IniFile ini(const std::filesystem::path& path) { return IniFile(platform::fromUtf8(path.string())); }

inline bool isPowerOfTwo(uint32_t value) { return value != 0 && (value & (value - 1)) == 0; }

inline std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Level 0 of a DDS file as the game uploads it: blue, green, red, alpha, top row first.
struct Picture {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> bgra;

    const uint8_t* at(uint32_t x, uint32_t y) const { return &bgra[(size_t(y) * width + x) * 4]; }
};

inline bool readPicture(const std::filesystem::path& path, Picture& picture) {
    nv_dds::CImageFile file;
    if (!file.readFile(path.string()) || file.format() != nv_dds::FormatBgra) return false;
    const nv_dds::CTexture& level = file.texture(0);
    picture.width = level.width();
    picture.height = level.height();
    picture.bgra.assign(level.pixels(), level.pixels() + level.size());
    return true;
}

// Every file below a folder, as paths relative to it with '/', in sorted order.
inline std::vector<std::string> filesBelow(const std::filesystem::path& root) {
    std::vector<std::string> names;
    if (!std::filesystem::is_directory(root)) return names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) names.push_back(entry.path().lexically_relative(root).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace assettest
