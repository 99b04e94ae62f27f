// Damaged DDS images read from disk through the game's reader: each is refused or loaded exactly
// as the manifest says, and what loads holds the file's pixel bytes with zeros where it ran short.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "BadInputSupport.h"
#include "gfx/DdsImage.h"

namespace badinput {
namespace {

constexpr size_t pixelDataStart = 128;

// The outcome in the manifest's words.
std::string describe(const nv_dds::CImageFile& image, bool read) {
    if (!read) return "rejected";
    const nv_dds::CTexture& face = image.texture(0);
    return "loaded " + std::to_string(face.width()) + "x" + std::to_string(face.height()) +
           " levels=" + std::to_string(face.mipmapCount() + 1) +
           " faces=" + std::to_string(image.textureCount());
}

// Every surface, faces in order, each face's level 0 before its mipmaps: the bytes of the file
// after the header, back to back, then zeros.
void expectFileBytesThenZeros(const nv_dds::CImageFile& image, const Bytes& file) {
    size_t offset = pixelDataStart;
    auto expectSurface = [&](const nv_dds::CSurface& surface) {
        ASSERT_NE(surface.pixels(), nullptr);
        for (uint32_t i = 0; i < surface.size(); ++i, ++offset) {
            const uint8_t expected = offset < file.size() ? file[offset] : 0;
            ASSERT_EQ(surface.pixels()[i], expected) << "byte " << offset;
        }
    };
    for (const nv_dds::CTexture& face : image.textures()) {
        expectSurface(face);
        for (const nv_dds::CSurface& level : face.mipmaps()) expectSurface(level);
    }
}

TEST(DdsBadInput, EachFileIsRefusedOrLoadedAsTheManifestSays) {
    const std::vector<Check> checks = checksIn("dds");
    ASSERT_FALSE(checks.empty());
    for (const Check& check : checks) {
        SCOPED_TRACE(check.file);
        nv_dds::CImageFile image;
        const bool read = image.readFile((corpus() / check.file).string());
        EXPECT_EQ(describe(image, read), check.outcomeText());
        if (!read) {
            EXPECT_EQ(image.textureCount(), 0u);
            EXPECT_EQ(image.format(), 0u);
            continue;
        }
        expectFileBytesThenZeros(image, readBytes(corpus() / check.file));
    }
}

}  // namespace
}  // namespace badinput
