// The level catalogue: which files count as levels, their order, and the paging arithmetic.
#include "game/LevelCatalogue.h"

#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace {

using Paths = std::vector<std::wstring>;

class LevelCatalogueTest : public gametest::GameFolderTest {
protected:
    void touch(const std::string& name) const { writeFile(levels() / name, "x"); }
};

TEST_F(LevelCatalogueTest, ListsGrdFilesOfAnyCaseAndNothingElse) {
    touch("One.grd");
    touch("Two.GRD");
    touch("Three.grd.bak");
    touch("Four.gsv");
    std::filesystem::create_directories(levels() / "Inner.grd");
    touch("Inner.grd/Five.grd");
    EXPECT_EQ(scanLevelFolder(), (Paths{L"Data\\Levels\\One.grd", L"Data\\Levels\\Two.GRD"}));
}

TEST_F(LevelCatalogueTest, OrderIsPlainCodeUnitOrder) {
    for (const char* name : {"a.grd", "B.grd", "Level2.grd", "Level10.grd", "Level1.grd"}) touch(name);
    EXPECT_EQ(scanLevelFolder(), (Paths{L"Data\\Levels\\B.grd", L"Data\\Levels\\Level1.grd",
                                        L"Data\\Levels\\Level10.grd", L"Data\\Levels\\Level2.grd",
                                        L"Data\\Levels\\a.grd"}));
}

// As UTF-16 code units: a character beyond U+FFFF (a surrogate pair, 0xD83D...) comes before U+E000.
TEST_F(LevelCatalogueTest, CharactersBeyondTheBasicPlaneSortByTheirSurrogates) {
    Paths paths{L"\uE000", L"\U0001F600", L"\u00E9", L"e"};
    sortByCodeUnits(paths);
    EXPECT_EQ(paths, (Paths{L"e", L"\u00E9", L"\U0001F600", L"\uE000"}));
}

TEST_F(LevelCatalogueTest, MissingFolderGivesAnEmptyCatalogue) {
    std::filesystem::remove_all(folder / "Data");
    EXPECT_TRUE(scanLevelFolder().empty());
}

TEST(LevelPagingTest, PagesOfSix) {
    EXPECT_EQ(pageCount(0), 0u);
    EXPECT_EQ(pageCount(6), 1u);
    EXPECT_EQ(pageCount(7), 2u);
    EXPECT_EQ(pageCount(12), 2u);
    EXPECT_EQ(pageCount(13), 3u);
    EXPECT_FALSE(hasNextPage(0, 6));
    EXPECT_TRUE(hasNextPage(0, 7));
    EXPECT_FALSE(hasNextPage(1, 12));
    EXPECT_TRUE(hasNextPage(1, 13));
    EXPECT_FALSE(hasPreviousPage(0));
    EXPECT_TRUE(hasPreviousPage(1));
}

TEST(LevelPagingTest, Caption) {
    EXPECT_EQ(pageCaption(0, 0), "Page 1/0");
    EXPECT_EQ(pageCaption(1, 7), "Page 2/2");
    EXPECT_EQ(pageCaption(2, 13), "Page 3/3");
}

}  // namespace
