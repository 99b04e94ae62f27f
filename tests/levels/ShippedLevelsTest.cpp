// The level set the game ships: every level loads as the game loads it, has one solution that
// reasoning reaches, fits the screen with no cell but unused ones under the captions, and the
// catalogue's order is the order of difficulty.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Platform.h"
#include "tools/levels/Analysis.h"
#include "tools/levels/LevelLoader.h"
#include "tools/levels/Records.h"

using namespace levels;

namespace {

const std::string folder = std::string(TALLIX_SOURCE_DIR) + "/data/levels/";

struct ShippedLevel {
    std::wstring name;
    LoadedLevel level;
    Analysis analysis;
};

// In catalogue order: file names sorted by plain code-unit comparison.
const std::vector<ShippedLevel>& shippedLevels() {
    static const std::vector<ShippedLevel> levels = [] {
        std::vector<std::wstring> files = platform::listFolder(platform::fromUtf8(folder + "*.grd"));
        std::sort(files.begin(), files.end());
        std::vector<ShippedLevel> list;
        for (const std::wstring& file : files) {
            ShippedLevel shipped;
            shipped.level = loadLevelFile(folder + platform::toUtf8(file));
            shipped.name = shipped.level.name;
            shipped.analysis = analyseLevel(shipped.level.grid);
            list.push_back(std::move(shipped));
        }
        return list;
    }();
    return levels;
}

}  // namespace

// At least ten pages of levels, each named to fit its card, loading as the game loads it, within
// the screen, with one solution that reasoning reaches and no fault (the captions included).
TEST(ShippedLevels, EveryLevelLoadsWithOneSolutionReachedByReasoning) {
    ASSERT_GE(shippedLevels().size(), 60u);
    for (const ShippedLevel& shipped : shippedLevels()) {
        const std::string name = platform::toUtf8(shipped.name);
        EXPECT_LE(shipped.name.size(), 12u) << name;
        for (wchar_t unit : shipped.name) EXPECT_TRUE(unit >= 32 && unit < 127) << name;
        EXPECT_TRUE(shipped.level.loaded) << name;
        EXPECT_LE(shipped.level.grid.width(), 20) << name;
        EXPECT_LE(shipped.level.grid.height(), 11) << name;
        EXPECT_EQ(shipped.analysis.solve.solutions, 1) << name;
        EXPECT_EQ(shipped.analysis.faults, std::vector<std::string>()) << name;
        EXPECT_TRUE(shipped.analysis.grade.solved) << name;
    }
}

// What `check` says of a 20x11 level with a cell under a caption that is not unused.
TEST(ShippedLevels, CheckNamesEveryCellUnderTheCaptionsThatIsNotUnused) {
    const struct { int x, y; GridCell cell; const char* fault; } cases[] = {
        {0, 9, {gridClue, 0, 0, 0}, "(0,9) is a clue"},  // even one without sums
        {1, 10, {gridPlayable, 0, 0, 0}, "(1,10) is playable"},
        {1, 0, {gridFixed, 0, 0, 4}, "(1,0) is fixed"},
        {0, 0, {gridUnused, 0, 0, 0}, nullptr},
        {2, 10, {gridClue, 7, 0, 0}, nullptr},  // beside "Retire", not under it
    };
    for (const auto& c : cases) {
        CLevelGrid grid(20, 11);
        grid.at(c.x, c.y) = c.cell;
        const std::vector<std::string> faults = analyseLevel(grid).faults;
        const std::string cell = c.fault ? c.fault : "";
        const bool named = std::any_of(faults.begin(), faults.end(), [&](const std::string& fault) {
            return fault.find("under the captions") != fault.npos && fault.find(cell) != fault.npos;
        });
        EXPECT_EQ(named, c.fault != nullptr) << c.x << "," << c.y;
    }
}

// The catalogue's order is the order of difficulty; the records give every level the limits of
// its grade and no best time.
TEST(ShippedLevels, CatalogueOrderIsTheOrderOfDifficultyAndRecordsMatchTheGrade) {
    const auto& levels = shippedLevels();
    for (size_t i = 1; i < levels.size(); ++i)
        EXPECT_LE(levels[i - 1].analysis.grade.score, levels[i].analysis.grade.score)
            << platform::toUtf8(levels[i - 1].name) << " before " << platform::toUtf8(levels[i].name);
    ASSERT_FALSE(levels.empty());
    EXPECT_LE(levels.front().analysis.grade.hardest, 1);  // the first board is gentle
    EXPECT_EQ(levels.back().analysis.grade.hardest, 4);   // the last ones need lookahead

    for (const ShippedLevel& shipped : shippedLevels()) {
        const std::string name = platform::toUtf8(shipped.name);
        const MedalLimits expected = limitsFor(shipped.analysis.grade, shipped.analysis.playable);
        EXPECT_EQ(std::make_tuple(shipped.level.gold, shipped.level.silver, shipped.level.bronze),
                  std::make_tuple(expected.gold, expected.silver, expected.bronze)) << name;
        EXPECT_EQ(platform::profileInt(platform::fromUtf8(folder + "Recs.ini"), shipped.name, L"User", 0), 0)
            << name << ": no best time ships";
    }
}

