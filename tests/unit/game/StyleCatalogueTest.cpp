// The style catalogue file.
#include "game/StyleCatalogue.h"

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

}  // namespace
