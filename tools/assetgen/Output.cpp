// Writing files below the output folder.
#include "Output.h"

#include <fstream>
#include <system_error>

#include "BmpFile.h"

namespace assetgen {

void Output::writeFile(const std::string& relative, const std::vector<uint8_t>& bytes) {
    std::filesystem::path path = root_ / std::filesystem::path(relative);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) errors_.push_back("cannot write " + path.string());
}

void Output::writeDds(const std::string& relative, const Image& image, Tinting tinting,
                      Mipmaps mipmaps) {
    if (!isPowerOfTwo(image.width()) || !isPowerOfTwo(image.height())) {
        errors_.push_back(relative + ": sides " + std::to_string(image.width()) + " x " +
                          std::to_string(image.height()) + " are not powers of two");
        return;
    }
    writeFile(relative, encodeDds(image, tinting, mipmaps));
    images_.push_back({relative, image.width(), image.height(), tinting, toBgra(image, tinting)});
}

void Output::writeBmp(const std::string& relative, const Image& image) {
    writeFile(relative, encodeBmp(image));
    images_.push_back(
        {relative, image.width(), image.height(), Tinting::Coloured, toBgra(image, Tinting::Coloured)});
}

const WrittenImage* Output::find(const std::string& relative) const {
    for (const WrittenImage& image : images_) {
        if (image.name == relative) return &image;
    }
    return nullptr;
}

}  // namespace assetgen
