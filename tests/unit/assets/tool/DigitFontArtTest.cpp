// Digit fonts: the description file matches the strip, and ink or a glow that the band the game
// samples would cut off is reported instead of shipped.
#include "DigitFontArt.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/TestFiles.h"

using namespace assetgen;

namespace {

DigitFontDesign design(int band, double glow = 0) {
    DigitFontDesign font;
    font.name = "Digits";
    font.face = Face::SansBold;
    font.inkHeight = 0.7;
    font.band = band;
    font.shadow.enabled = glow > 0;
    font.shadow.spread = font.shadow.blur = glow;
    return font;
}

}  // namespace

TEST(DigitFontArt, WritesTheStripTheDescriptionPromisesAndRefusesInkBeyondItsBand) {
    FontFaces faces;
    ASSERT_TRUE(faces.ok()) << faces.error();
    Output output(testsupport::freshFolder());
    writeDigitFont(output, faces, "Font", design(80));
    EXPECT_TRUE(output.errors().empty());
    std::string text = testsupport::readText(output.root() / "Font/Digits.ini");
    for (std::string line : {"width=" + std::to_string(DigitTextureWidth), "height=" + std::to_string(DigitTextureHeight),
                             "blocksize=" + std::to_string(DigitBlock), std::string("deltaW=0"), std::string("9=80")})
        EXPECT_NE(text.find(line + "\r\n"), std::string::npos) << line;
    EXPECT_EQ(text.find("shadow="), std::string::npos);  // none asked for
    EXPECT_TRUE(std::filesystem::is_regular_file(output.root() / "Font/Digits.dds"));  // its size: GameDataTest

    for (const auto& [font, error] : {std::pair{design(30), "spills out"}, {design(70, 6), "DigitsShadow.dds"}}) {
        Output refused(testsupport::freshFolder() / error);
        writeDigitFont(refused, faces, "Font", font);
        ASSERT_FALSE(refused.errors().empty()) << error;
        EXPECT_NE(refused.errors()[0].find(error), std::string::npos) << refused.errors()[0];
    }
}
