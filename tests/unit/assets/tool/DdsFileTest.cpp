// The DDS writer, read back through the game's own reader, and the header fields other tools use.
// Format, kind and the sizes along the chain are checked on every image of the built game folder
// (tests/unit/assets/GameDataTest.cpp); here, that the pixels and every level are in the file.
#include "DdsFile.h"

#include <gtest/gtest.h>

#include "Output.h"
#include "gfx/DdsImage.h"
#include "tests/support/TestFiles.h"

using namespace assetgen;
using testsupport::le32;

TEST(DdsFile, ReadsBackTopRowFirstWithEveryMipmapLevel) {
    Image image(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            float a = (x + y) % 3 == 0 ? 0.0f : 1.0f;
            image.at(x, y) = {a * x / 8, a * y / 4, a * 0.5f, a};
        }
    std::vector<uint8_t> file = encodeDds(image, Tinting::Coloured, Mipmaps::Full);
    nv_dds::CImageFile dds;
    ASSERT_TRUE(dds.readMemory(file.data(), file.size()));
    const nv_dds::CTexture& texture = dds.texture(0);
    EXPECT_EQ(std::make_pair(texture.width(), texture.height()), std::make_pair(8u, 4u));
    std::vector<uint8_t> expected = toBgra(image, Tinting::Coloured);
    ASSERT_EQ(texture.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), texture.pixels()));
    EXPECT_EQ(texture.mipmapCount(), 3u);                            // 4 x 2, 2 x 1, 1 x 1
    EXPECT_EQ(file.size(), 128u + (8 * 4 + 4 * 2 + 2 * 1 + 1) * 4);  // nothing missing, nothing extra
}

// Each row: the byte offset of a header field, its value with a full chain and with none.
TEST(DdsFile, HeaderDescribesUncompressedBgraAndTheChain) {
    std::vector<uint8_t> chain = encodeDds(Image(16, 16), Tinting::Mask, Mipmaps::Full);
    std::vector<uint8_t> single = encodeDds(Image(16, 16), Tinting::Mask, Mipmaps::None);
    const uint32_t fields[][3] = {
        {4, 124, 124},                  // dwSize
        {8, 0x2100F, 0x100F},           // caps, height, width, pitch, format (, mipmap count)
        {20, 64, 64},                   // pitch: bytes per row
        {28, 5, 0},                     // 16, 8, 4, 2, 1
        {76, 32, 32},                   // ddspf.dwSize
        {80, 0x41, 0x41},               // RGB | ALPHAPIXELS
        {88, 32, 32},
        {92, 0x00FF0000, 0x00FF0000},
        {96, 0x0000FF00, 0x0000FF00},
        {100, 0x000000FF, 0x000000FF},
        {104, 0xFF000000, 0xFF000000},
        {108, 0x401008, 0x1000},        // (complex,) texture (, mipmap)
    };
    for (const auto& field : fields) {
        EXPECT_EQ(le32(chain, field[0]), field[1]) << "offset " << field[0];
        EXPECT_EQ(le32(single, field[0]), field[2]) << "offset " << field[0];
    }
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
