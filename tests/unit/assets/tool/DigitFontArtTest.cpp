// Digit fonts: the description file matches the strip, and ink that would be cut off by the band
// the game samples is reported instead of shipped.
#include "DigitFontArt.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/TestFiles.h"
#include "gfx/DdsImage.h"

using namespace assetgen;

namespace {

DigitFontDesign design(int band) {
    DigitFontDesign font;
    font.name = "Digits";
    font.face = Face::SansBold;
    font.inkHeight = 0.7;
    font.band = band;
    return font;
}

}  // namespace

TEST(DigitFontArt, WritesTheStripTheDescriptionPromises) {
    FontFaces faces;
    ASSERT_TRUE(faces.ok()) << faces.error();
    Output output(testsupport::freshFolder());
    writeDigitFont(output, faces, "Font", design(80));
    EXPECT_TRUE(output.errors().empty());
    std::vector<uint8_t> ini = testsupport::readBytes(output.root() / "Font/Digits.ini");
    std::string text(ini.begin(), ini.end());
    EXPECT_NE(text.find("width=" + std::to_string(DigitTextureWidth)), std::string::npos);
    EXPECT_NE(text.find("height=" + std::to_string(DigitTextureHeight)), std::string::npos);
    EXPECT_NE(text.find("blocksize=" + std::to_string(DigitBlock)), std::string::npos);
    EXPECT_NE(text.find("deltaW=0"), std::string::npos);
    EXPECT_NE(text.find("9=80"), std::string::npos);
    EXPECT_EQ(text.find("shadow="), std::string::npos);  // none asked for

    nv_dds::CImageFile dds;
    ASSERT_TRUE(dds.readFile((output.root() / "Font/Digits.dds").string()));
    EXPECT_EQ(dds.texture(0).width(), static_cast<uint32_t>(DigitTextureWidth));
    EXPECT_EQ(dds.texture(0).height(), static_cast<uint32_t>(DigitTextureHeight));
}

// Ink or a glow that the band the game samples would cut off is reported instead of shipped.
TEST(DigitFontArt, InkOrGlowWiderThanItsBandIsAnError) {
    FontFaces faces;
    ASSERT_TRUE(faces.ok()) << faces.error();
    DigitFontDesign glowing = design(70);
    glowing.shadow.enabled = true;
    glowing.shadow.spread = 6;
    glowing.shadow.blur = 6;
    const std::pair<DigitFontDesign, const char*> rows[] = {{design(30), "spills out"}, {glowing, "DigitsShadow.dds"}};
    for (const auto& [font, error] : rows) {
        Output output(testsupport::freshFolder());
        writeDigitFont(output, faces, "Font", font);
        ASSERT_FALSE(output.errors().empty()) << error;
        EXPECT_NE(output.errors()[0].find(error), std::string::npos) << output.errors()[0];
    }
}
