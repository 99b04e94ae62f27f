// Where the art goes: files below the output folder (made as needed), and a record of every image
// written, in order, for the contact sheet.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "DdsFile.h"
#include "Image.h"
#include "IniText.h"

namespace assetgen {

// One stored image as the game will see it: level 0 of the file, straight BGRA.
struct WrittenImage {
    std::string name;  // path below the output folder, with '/'
    int width = 0;
    int height = 0;
    Tinting tinting = Tinting::Coloured;
    std::vector<uint8_t> bgra;
};

class Output {
public:
    explicit Output(std::filesystem::path root) : root_(std::move(root)) {}

    // Paths are relative to the output folder and use '/'. Failures are collected, not thrown.
    void writeFile(const std::string& relative, const std::vector<uint8_t>& bytes);
    // Refuses (as an error) an image whose sides are not powers of two.
    void writeDds(const std::string& relative, const Image& image, Tinting tinting,
                  Mipmaps mipmaps = Mipmaps::Full);
    void writeIni(const std::string& relative, const IniText& ini) { writeFile(relative, ini.bytes()); }
    void writeBmp(const std::string& relative, const Image& image);

    const std::filesystem::path& root() const { return root_; }
    const std::vector<WrittenImage>& images() const { return images_; }
    // The image written under that name, or null.
    const WrittenImage* find(const std::string& relative) const;
    const std::vector<std::string>& errors() const { return errors_; }
    void fail(const std::string& message) { errors_.push_back(message); }  // a self-check failed

private:
    std::filesystem::path root_;
    std::vector<WrittenImage> images_;
    std::vector<std::string> errors_;
};

}  // namespace assetgen
