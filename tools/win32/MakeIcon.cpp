// make-icon ICON.bmp OUT.ico: writes the window icon of the Windows build. OUT.ico is left
// untouched when it already holds those bytes, so an unchanged icon does not rebuild anything.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "IconFile.h"

namespace {

bool readFile(const char* path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeIfChanged(const char* path, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> existing;
    if (readFile(path, existing) && existing == bytes) return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icon ICON.bmp OUT.ico\n");
        return 2;
    }
    std::vector<uint8_t> bmp;
    if (!readFile(argv[1], bmp)) {
        std::fprintf(stderr, "make-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    wicon::Bitmap image;
    std::string error;
    if (!wicon::decodeBmp(bmp, image, error)) {
        std::fprintf(stderr, "make-icon: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    if (!writeIfChanged(argv[2], wicon::encodeIco(image))) {
        std::fprintf(stderr, "make-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
