// The DDS writer, read back through the game's own reader, and the header fields other tools use.
#include "DdsFile.h"

#include <gtest/gtest.h>

#include "Output.h"
#include "tests/support/TestFiles.h"
#include "gfx/DdsImage.h"

using namespace assetgen;

namespace {

uint32_t read32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}

Image gradient(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float a = (x + y) % 3 == 0 ? 0.0f : 1.0f;
            image.at(x, y) = {a * x / width, a * y / height, a * 0.5f, a};
        }
    }
    return image;
}

}  // namespace

// Format, kind and the sizes along the chain are checked on every image of the built game folder
// (tests/unit/assets/GameDataTest.cpp); here, that the pixels and every level are in the file.
TEST(DdsFile, ReadsBackTopRowFirstWithEveryMipmapLevel) {
    Image image = gradient(8, 4);
    std::vector<uint8_t> file = encodeDds(image, Tinting::Coloured, Mipmaps::Full);
    nv_dds::CImageFile dds;
    ASSERT_TRUE(dds.readMemory(file.data(), file.size()));
    const nv_dds::CTexture& texture = dds.texture(0);
    EXPECT_EQ(texture.width(), 8u);
    EXPECT_EQ(texture.height(), 4u);
    std::vector<uint8_t> expected = toBgra(image, Tinting::Coloured);
    ASSERT_EQ(texture.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), texture.pixels()));
    EXPECT_EQ(texture.mipmapCount(), 3u);  // 4 x 2, 2 x 1, 1 x 1
    EXPECT_EQ(file.size(), 128u + (8 * 4 + 4 * 2 + 2 * 1 + 1) * 4);  // nothing missing, nothing extra
}

TEST(DdsFile, HeaderDescribesUncompressedBgraAndTheChain) {
    std::vector<uint8_t> chain = encodeDds(Image(16, 16), Tinting::Mask, Mipmaps::Full);
    EXPECT_EQ(read32(chain, 4), 124u);                // dwSize
    EXPECT_EQ(read32(chain, 8), 0x2100Fu);            // caps, height, width, pitch, format, mipmap count
    EXPECT_EQ(read32(chain, 20), 64u);                // pitch: bytes per row
    EXPECT_EQ(read32(chain, 28), 5u);                 // 16, 8, 4, 2, 1
    EXPECT_EQ(read32(chain, 76), 32u);                // ddspf.dwSize
    EXPECT_EQ(read32(chain, 80), 0x41u);              // RGB | ALPHAPIXELS
    EXPECT_EQ(read32(chain, 88), 32u);
    EXPECT_EQ(read32(chain, 92), 0x00FF0000u);
    EXPECT_EQ(read32(chain, 96), 0x0000FF00u);
    EXPECT_EQ(read32(chain, 100), 0x000000FFu);
    EXPECT_EQ(read32(chain, 104), 0xFF000000u);
    EXPECT_EQ(read32(chain, 108), 0x401008u);         // complex, texture, mipmap

    std::vector<uint8_t> single = encodeDds(Image(16, 16), Tinting::Mask, Mipmaps::None);
    EXPECT_EQ(read32(single, 8), 0x100Fu);
    EXPECT_EQ(read32(single, 28), 0u);
    EXPECT_EQ(read32(single, 108), 0x1000u);
    EXPECT_EQ(single.size(), 128u + 16 * 16 * 4);
}

TEST(DdsFile, OutputRefusesSidesThatAreNotPowersOfTwo) {
    Output output(testsupport::freshFolder());
    output.writeDds("Data/Odd.dds", Image(48, 64), Tinting::Mask);
    output.writeDds("Data/Deep/Fine.dds", Image(64, 16), Tinting::Mask);
    ASSERT_EQ(output.errors().size(), 1u);
    EXPECT_NE(output.errors()[0].find("Odd.dds"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(output.root() / "Data/Odd.dds"));
    EXPECT_TRUE(std::filesystem::exists(output.root() / "Data/Deep/Fine.dds"));
}
