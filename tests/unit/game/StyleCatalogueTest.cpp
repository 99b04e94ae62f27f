// The style catalogue file, and the range rules of the remembered game settings.
#include "game/StyleCatalogue.h"

#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "game/GameSettings.h"

namespace {

using Names = std::vector<std::wstring>;

class StyleCatalogueTest : public gametest::GameFolderTest {
protected:
    Names read(const std::string& entries) {
        writeStyleCatalogue(entries);
        return readStyleCatalogue(baseDirectory + styleCatalogueName);
    }
};

TEST_F(StyleCatalogueTest, CountLimitsTheKeysRead) {
    EXPECT_EQ(read("Count=3\n0=Classic\n1=Night\n2=Paper\n"), (Names{L"Classic", L"Night", L"Paper"}));
    EXPECT_EQ(read("Count=2\n0=Classic\n1=Night\n2=Paper\n"), (Names{L"Classic", L"Night"}));
}

TEST_F(StyleCatalogueTest, MissingAndBlankKeysLeaveNoGap) {
    EXPECT_EQ(read("Count=4\n0=Classic\n1=   \n3=Paper\n"), (Names{L"Classic", L"Paper"}));
}

TEST_F(StyleCatalogueTest, MissingFileOrDamagedCountGiveNoStyles) {
    EXPECT_TRUE(readStyleCatalogue(baseDirectory + styleCatalogueName).empty());
    EXPECT_TRUE(read("Count=-4\n0=Classic\n").empty());
    EXPECT_TRUE(read("Count=many\n0=Classic\n").empty());
}

TEST_F(StyleCatalogueTest, HugeCountIsCutShort) {
    EXPECT_EQ(read("Count=2000000000\n0=Classic\n999=Last\n1000=Beyond\n"), (Names{L"Classic", L"Last"}));
}

TEST(GameSettingsRangeTest, UnusableIndicesBecomeZero) {
    EXPECT_EQ(usableIndex(2, 3), 2);
    EXPECT_EQ(usableIndex(3, 3), 0);
    EXPECT_EQ(usableIndex(-1, 3), 0);
    EXPECT_EQ(usableIndex(0, 0), 0);
}

TEST(GameSettingsRangeTest, ViewOpacities) {
    EXPECT_FLOAT_EQ(viewOpacity(viewMinimal), 0.0f);
    EXPECT_FLOAT_EQ(viewOpacity(viewFull), 1.0f);
    EXPECT_FLOAT_EQ(viewOpacity(viewTransparent), 0.4f);
    EXPECT_FLOAT_EQ(viewOpacity(7), 0.0f);
}

}  // namespace
