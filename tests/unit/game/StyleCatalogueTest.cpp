// The style catalogue file, and the range rules of the remembered game settings.
#include "game/StyleCatalogue.h"

#include "game/GameSettings.h"
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

using Names = std::vector<std::wstring>;
using StyleCatalogueTest = GameFolderTest;

// Count limits the keys read (and is cut short when huge); missing and blank keys leave no gap; a
// missing file or a damaged count give no styles.
TEST_F(StyleCatalogueTest, CountLimitsTheKeysRead) {
    auto read = [] { return readStyleCatalogue(baseDirectory + styleCatalogueName); };
    EXPECT_TRUE(read().empty());
    for (auto [entries, names] : {std::pair{"Count=3\n0=Classic\n1=Night\n2=Paper\n", Names{L"Classic", L"Night", L"Paper"}},
                                  {"Count=2\n0=Classic\n1=Night\n2=Paper\n", {L"Classic", L"Night"}},
                                  {"Count=4\n0=Classic\n1=   \n3=Paper\n", {L"Classic", L"Paper"}},
                                  {"Count=-4\n0=Classic\n", {}},
                                  {"Count=many\n0=Classic\n", {}},
                                  {"Count=2000000000\n0=Classic\n999=Last\n1000=Beyond\n", {L"Classic", L"Last"}}}) {
        writeStyles(entries);
        EXPECT_EQ(read(), names) << entries;
    }
}

TEST(GameSettingsRangeTest, UnusableIndicesBecomeZeroAndUnknownViewsMinimal) {
    EXPECT_EQ(usableIndex(2, 3), 2);
    EXPECT_EQ(usableIndex(3, 3), 0);
    EXPECT_EQ(usableIndex(-1, 3), 0);
    EXPECT_EQ(usableIndex(0, 0), 0);
    EXPECT_FLOAT_EQ(viewOpacity(viewMinimal), 0.0f);
    EXPECT_FLOAT_EQ(viewOpacity(viewFull), 1.0f);
    EXPECT_FLOAT_EQ(viewOpacity(viewTransparent), 0.4f);
    EXPECT_FLOAT_EQ(viewOpacity(7), 0.0f);
    EXPECT_FLOAT_EQ(viewOpacity(-1), 0.0f);
}

}  // namespace
