// The level catalogue: which files count as levels and their order. The paging arithmetic is
// checked through the controller's level pages (GamePagingTest).
#include "game/LevelCatalogue.h"

#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

using Paths = std::vector<std::wstring>;
using LevelCatalogueTest = GameFolderTest;

// ".grd" of any case and nothing else, no sub-folders; plain code-unit order, as UTF-16 code units:
// a character beyond U+FFFF (a surrogate pair, 0xD83D...) comes before U+E000.
TEST_F(LevelCatalogueTest, ListsGrdFilesOfAnyCaseInCodeUnitOrder) {
    for (const char* name : {"a.grd", "B.GRD", "Level2.grd", "Level10.grd", "Level1.grd", "Three.grd.bak", "Four.gsv",
                             "Inner.grd/Five.grd"})
        writeText(levels() / name, "x");
    EXPECT_EQ(scanLevelFolder(), (Paths{L"Data\\Levels\\B.GRD", L"Data\\Levels\\Level1.grd", L"Data\\Levels\\Level10.grd",
                                        L"Data\\Levels\\Level2.grd", L"Data\\Levels\\a.grd"}));
    fs::remove_all(folder / "Data");
    EXPECT_TRUE(scanLevelFolder().empty());

    Paths paths{L"\uE000", L"\U0001F600", L"\u00E9", L"e", L"ee"};
    sortByCodeUnits(paths);
    EXPECT_EQ(paths, (Paths{L"e", L"ee", L"\u00E9", L"\U0001F600", L"\uE000"}));
}

}  // namespace
