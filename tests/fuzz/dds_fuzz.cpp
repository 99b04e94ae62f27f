// libFuzzer target for the DDS reader: any bytes, parsed from memory, must neither crash nor break
// the shape of what the reader reports. Built without libFuzzer, replay_main.cpp feeds it files.
#include <algorithm>

#include "FuzzCheck.h"
#include "gfx/DdsImage.h"

namespace {

constexpr uint32_t maxSide = nv_dds::CImageFile::MaxSide;

// Touches every byte, so a buffer shorter than its size shows under the address sanitizer.
uint32_t checkSurface(const nv_dds::CSurface& surface) {
    require(surface.width() >= 1 && surface.width() <= maxSide, "width");
    require(surface.height() >= 1 && surface.height() <= maxSide, "height");
    require(surface.depth() >= 1 && surface.depth() <= maxSide, "depth");
    require(surface.size() > 0 && surface.pixels() != nullptr, "pixels");
    uint32_t sum = 0;
    for (uint32_t i = 0; i < surface.size(); ++i) sum += surface.pixels()[i];
    return sum;
}

// No level may outgrow level 0, which must fit in the data; a face is at most twice its level 0
// plus its tiny tail levels.
void checkFace(const nv_dds::CTexture& face, size_t dataSize) {
    checkSurface(face);
    require(face.size() <= dataSize, "level 0 larger than the data");
    require(face.mipmapCount() < nv_dds::CImageFile::MaxLevels, "too many levels");
    uint64_t total = face.size();
    for (const nv_dds::CSurface& level : face.mipmaps()) {
        checkSurface(level);
        require(level.size() <= face.size(), "mipmap larger than level 0");
        total += level.size();
    }
    require(total <= 2 * uint64_t(face.size()) + 31 * 16, "face too large");
}

// The upload's way in: where it finds the first face in place, the reader reads the same levels with
// the same bytes, and every level lies inside the data.
void checkInPlace(const nv_dds::CImageFile& image, const uint8_t* data, size_t size) {
    nv_dds::FirstFace face;
    if (!nv_dds::locateFirstFace(data, size, face)) {
        require(face.levels.empty(), "failed location left levels");
        return;
    }
    require(image.textureCount() > 0, "located a face the reader refuses");
    const nv_dds::CTexture& read = image.texture(0);
    require(face.format == image.format() && face.components == image.components(), "format");
    require(face.levels.size() == read.mipmapCount() + 1, "level count");
    for (size_t i = 0; i < face.levels.size(); ++i) {
        const nv_dds::LevelInPlace& level = face.levels[i];
        const nv_dds::CSurface& surface = i == 0 ? read : read.mipmap(i - 1);
        require(level.pixels >= data && level.pixels + level.size <= data + size, "level outside the data");
        require(level.width == surface.width() && level.height == surface.height(), "level side");
        require(level.size == surface.size() && std::equal(level.pixels, level.pixels + level.size, surface.pixels()),
                "level bytes");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    nv_dds::CImageFile image;
    bool read = image.readMemory(data, size);
    checkInPlace(image, data, size);
    if (!read) {
        require(image.textureCount() == 0 && image.format() == 0 && image.components() == 0, "failed read left data");
        return 0;
    }
    require(image.components() == 1 || image.components() == 3 || image.components() == 4, "components");
    require(image.textureCount() == (image.kind() == nv_dds::TextureCubemap ? 6u : 1u), "faces");
    for (const nv_dds::CTexture& face : image.textures()) checkFace(face, size);
    return 0;
}
