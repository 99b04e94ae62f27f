// The per-user folder of an installed game: reads fall back to the game folder, writes and
// deletions go to the user folder, an INI file starts from the game folder's copy and reads a key
// it lacks from there, listings merge, and a damaged copy in the user folder is never overwritten
// by an INI write. Which folder the game takes as its own.
#include <algorithm>
#include <utility>

#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "tests/support/TestFiles.h"

using namespace testsupport;

namespace {

class UserFolder : public testing::Test {
protected:
    void SetUp() override {
        root = freshFolder();
        game = root / "game";
        user = root / "user";
        writeText(game / "Data" / "Levels" / "Recs.ini", "[A]\r\nGold=30\r\n");
        writeText(game / "Data" / "Levels" / "A.grd", "shipped");
        platform::useUserFolder(wide(game), gamePath(user, L"Tallix"));
    }
    void TearDown() override { platform::useUserFolder(L"", L""); }

    std::wstring inGame(const std::wstring& relative) const { return gamePath(game, relative); }
    fs::path root, game, user;
};

}  // namespace

TEST_F(UserFolder, ReadsFallBackWritesAndDeletionsGoToTheUserFolder) {
    const std::wstring recs = inGame(L"Data\\Levels\\Recs.ini");
    EXPECT_TRUE(platform::writeProfileString(recs, L"A", L"User", L"25"));
    EXPECT_EQ(readText(game / "Data" / "Levels" / "Recs.ini"), "[A]\r\nGold=30\r\n");  // untouched
    EXPECT_EQ(platform::profileInt(recs, L"A", L"Gold", 0), 30);  // copied with the first write
    EXPECT_EQ(platform::profileInt(recs, L"A", L"User", 0), 25);
    EXPECT_EQ(platform::profileInt(L"Data\\Levels\\Recs.ini", L"A", L"User", 0), 25);  // relative paths are the game folder's
    writeText(game / "Data" / "Levels" / "Recs.ini", "[A]\r\nGold=30\r\n[B]\r\nGold=40\r\n");  // an upgrade's new level
    EXPECT_EQ(platform::profileString(recs, L"B", L"Gold", L"", 8), L"40");
    EXPECT_EQ(platform::profileInt(recs, L"B", L"Silver", 9), 9);

    const std::string saved = "saved game";
    const std::wstring gsv = inGame(L"Data\\Levels\\A.gsv");
    ASSERT_TRUE(platform::writeFileAtomically(gsv, saved.data(), saved.size()));
    EXPECT_FALSE(fs::exists(game / "Data" / "Levels" / "A.gsv"));
    EXPECT_EQ(readText(user / "Tallix" / "Data" / "Levels" / "A.gsv"), saved);
    std::vector<std::wstring> names = platform::listFolder(inGame(L"Data\\Levels\\*.*"));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"A.grd", L"A.gsv", L"Recs.ini"}));
    EXPECT_TRUE(platform::fileExists(inGame(L"Data\\Levels\\A.grd")));
    EXPECT_TRUE(platform::deleteFile(gsv));
    EXPECT_FALSE(platform::fileExists(gsv));
    EXPECT_FALSE(platform::deleteFile(inGame(L"Data\\Levels\\A.grd")));  // the game folder's stays
    EXPECT_TRUE(fs::exists(game / "Data" / "Levels" / "A.grd"));
    fs::create_directories(root / "game2");
    const std::wstring beside = gamePath(root / "game2", L"A.gsv");  // not below the game folder
    ASSERT_TRUE(platform::writeFileAtomically(beside, saved.data(), saved.size()));
    EXPECT_EQ(readText(root / "game2" / "A.gsv"), saved);
}

// A copy in the user folder that cannot be read (here: far too large for an INI file) is not
// replaced by a write; reads go past it to the game folder's copy.
TEST_F(UserFolder, AnUnreadableUserCopyIsNeverOverwritten) {
    writeText(game / "Settings.ini", "[System]\r\nShowFPS=0\r\n");
    fs::path copy = user / "Tallix" / "Settings.ini";
    writeText(copy, "x");
    fs::resize_file(copy, 65u << 20);
    EXPECT_FALSE(platform::writeProfileString(inGame(L"Settings.ini"), L"System", L"ShowFPS", L"1"));
    EXPECT_EQ(fs::file_size(copy), 65u << 20);
    EXPECT_EQ(platform::profileInt(inGame(L"Settings.ini"), L"System", L"ShowFPS", 7), 0);
}

// The working directory is the game folder only when it holds the game's own art: a "Data" folder
// alone (a project's, the home folder's) is not one. Elsewhere the executable's folder may be
// taken instead (under Wine it is a game folder), but never the working directory.
TEST(GameFolder, TheWorkingDirectoryCountsOnlyWithTheGamesArt) {
    const std::pair<const char*, bool> rows[] = {{"Data/MainFont.dds", true}, {"data/MAINFONT.DDS", true}, {"Data", false}};
    const fs::path saved = fs::current_path();
    for (const auto& [holds, taken] : rows) {
        fs::path here = freshFolder();
        if (fs::path(holds).has_extension()) writeText(here / holds, "art");
        else fs::create_directories(here / holds);
        fs::current_path(here);
        bool entered = platform::enterGameFolder();
        EXPECT_EQ(entered && fs::equivalent(fs::current_path(), here), taken) << holds;
        fs::current_path(saved);
        platform::useUserFolder(L"", L"");
    }
}
