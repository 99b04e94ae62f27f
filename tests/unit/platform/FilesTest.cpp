// The file functions: backslash paths that find names in any case, reads that refuse what is not
// a sane file, writes that replace a file whole or not at all, and folder listings.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;
using platform::fromUtf8;

using platformtest::gamePath;
using platformtest::testFolder;
using platformtest::writeBytes;

namespace {

std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::wstring> sorted(std::vector<std::wstring> names) {
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(Files, HostPathFindsEachComponentInAnyCase) {
    fs::path folder = testFolder();
    fs::create_directories(folder / "Data" / "Levels");
    writeBytes(folder / "Data" / "Levels" / "Level01.grd", "x");
    const std::string host = folder.string();

    EXPECT_EQ(platform::hostPath(gamePath(folder, L"Data\\Levels\\Level01.grd")), host + "/Data/Levels/Level01.grd");
    EXPECT_EQ(platform::hostPath(gamePath(folder, L"data\\LEVELS\\level01.GRD")), host + "/Data/Levels/Level01.grd");
    EXPECT_EQ(platform::hostPath(gamePath(folder, L"DATA/levels\\\\Level01.grd")), host + "/Data/Levels/Level01.grd");
    // Names found in no case stay as written, below them too, so new files can be made.
    EXPECT_EQ(platform::hostPath(gamePath(folder, L"data\\New\\Save.GSV")), host + "/Data/New/Save.GSV");

    std::string relative = fs::relative(folder, fs::current_path()).string();
    std::wstring backslashed = fromUtf8(relative);
    std::replace(backslashed.begin(), backslashed.end(), L'/', L'\\');
    EXPECT_EQ(platform::hostPath(backslashed + L"\\data\\levels\\LEVEL01.grd"), relative + "/Data/Levels/Level01.grd");
}

TEST(Files, WrittenBytesReadBackExactly) {
    fs::path folder = testFolder();
    std::wstring file = gamePath(folder, L"Game.gsv");
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 70000; ++i) bytes.push_back(static_cast<uint8_t>(i * 31));
    ASSERT_TRUE(platform::writeFileAtomically(file, bytes.data(), bytes.size()));
    std::vector<uint8_t> back = {1, 2, 3};
    ASSERT_TRUE(platform::readWholeFile(file, back));
    EXPECT_EQ(back, bytes);

    ASSERT_TRUE(platform::writeFileAtomically(file, nullptr, 0));
    ASSERT_TRUE(platform::readWholeFile(file, back));
    EXPECT_TRUE(back.empty());
}

TEST(Files, ReadRefusesWhatIsNotASaneFile) {
    fs::path folder = testFolder();
    std::vector<uint8_t> bytes = {1};
    EXPECT_FALSE(platform::readWholeFile(gamePath(folder, L"Missing.dds"), bytes));
    EXPECT_TRUE(bytes.empty());

    fs::create_directory(folder / "Folder.dds");
    EXPECT_FALSE(platform::readWholeFile(gamePath(folder, L"Folder.dds"), bytes));

    ASSERT_EQ(mkfifo((folder / "Pipe.dds").c_str(), 0600), 0);  // must not wait for a writer
    EXPECT_FALSE(platform::readWholeFile(gamePath(folder, L"Pipe.dds"), bytes));

    writeBytes(folder / "Huge.dds", "DDS ");
    fs::resize_file(folder / "Huge.dds", 64u * 1024 * 1024 + 1);
    EXPECT_FALSE(platform::readWholeFile(gamePath(folder, L"Huge.dds"), bytes));
    EXPECT_TRUE(bytes.empty());
    fs::resize_file(folder / "Huge.dds", 64u * 1024 * 1024);
    EXPECT_TRUE(platform::readWholeFile(gamePath(folder, L"HUGE.DDS"), bytes));
    EXPECT_EQ(bytes.size(), 64u * 1024 * 1024);
    fs::remove(folder / "Huge.dds");
}

TEST(Files, AtomicWriteReplacesTheFileTheGameMeant) {
    fs::path folder = testFolder();
    writeBytes(folder / "Settings.ini", "old");
    fs::permissions(folder / "Settings.ini", fs::perms(0640));
    ASSERT_TRUE(platform::writeFileAtomically(gamePath(folder, L"settings.INI"), "new", 3));
    EXPECT_EQ(entries(folder), std::vector<std::string>{"Settings.ini"});  // no second file, no leftovers
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(platform::readWholeFile(gamePath(folder, L"Settings.ini"), bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new");
    EXPECT_EQ(fs::status(folder / "Settings.ini").permissions(), fs::perms(0640));

    // A link stays a link; the file it points to gets the new bytes.
    fs::create_symlink("Settings.ini", folder / "Linked.ini");
    ASSERT_TRUE(platform::writeFileAtomically(gamePath(folder, L"Linked.ini"), "linked", 6));
    EXPECT_TRUE(fs::is_symlink(folder / "Linked.ini"));
    ASSERT_TRUE(platform::readWholeFile(gamePath(folder, L"Settings.ini"), bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "linked");
}

TEST(Files, FailedWriteLeavesNothingBehind) {
    fs::path folder = testFolder();
    EXPECT_FALSE(platform::writeFileAtomically(gamePath(folder, L"Missing\\File.bin"), "x", 1));
    fs::create_directories(folder / "Target" / "inside");
    EXPECT_FALSE(platform::writeFileAtomically(gamePath(folder, L"Target"), "x", 1));
    EXPECT_EQ(entries(folder), std::vector<std::string>{"Target"});
    EXPECT_TRUE(fs::is_directory(folder / "Target" / "inside"));
}

// Temporary files of writes that were killed half-way go with the next write of the same file;
// those of a writer that still runs, and of other files, stay.
TEST(Files, NextWriteRemovesTemporariesOfWritersThatAreGone) {
    fs::path folder = testFolder();
    pid_t gone = fork();
    if (gone == 0) _exit(0);
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    std::string stale = ".Settings.ini." + std::to_string(gone) + "-0.tmp";
    std::string running = ".Settings.ini.1-3.tmp";  // pid 1 always runs
    std::string otherFile = ".Recs.ini." + std::to_string(gone) + "-0.tmp";
    for (const std::string& name : {stale, running, otherFile, std::string("Settings.ini")}) writeBytes(folder / name, "old");
    ASSERT_TRUE(platform::writeFileAtomically(gamePath(folder, L"Settings.ini"), "new", 3));
    std::vector<std::string> expected = {running, otherFile, "Settings.ini"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries(folder), expected);
}

TEST(Files, ExistsAndDeleteConcernRegularFilesOnly) {
    fs::path folder = testFolder();
    writeBytes(folder / "Level01.gsv", "save");
    fs::create_directory(folder / "Styles");
    EXPECT_TRUE(platform::fileExists(gamePath(folder, L"LEVEL01.GSV")));
    EXPECT_FALSE(platform::fileExists(gamePath(folder, L"Styles")));
    EXPECT_FALSE(platform::fileExists(gamePath(folder, L"Level02.gsv")));

    EXPECT_TRUE(platform::deleteFile(gamePath(folder, L"level01.gsv")));
    EXPECT_FALSE(platform::deleteFile(gamePath(folder, L"Level01.gsv")));
    EXPECT_FALSE(platform::deleteFile(gamePath(folder, L"Styles")));
    EXPECT_EQ(entries(folder), std::vector<std::string>{"Styles"});
}

TEST(Files, ListFolderMatchesWildcardsWithoutRegardToCase) {
    fs::path folder = testFolder();
    fs::create_directories(folder / "Data" / "Levels" / "Sub.grd");
    for (const char* name : {"A.grd", "bb.GRD", "c.txt", "d.grdx", "e.grd.bak", "noext"})
        writeBytes(folder / "Data" / "Levels" / name, "x");

    using Names = std::vector<std::wstring>;
    EXPECT_EQ(sorted(platform::listFolder(gamePath(folder, L"data\\levels\\*.grd"))), (Names{L"A.grd", L"bb.GRD"}));
    EXPECT_EQ(sorted(platform::listFolder(gamePath(folder, L"Data\\Levels\\?.GRD"))), (Names{L"A.grd"}));
    EXPECT_EQ(sorted(platform::listFolder(gamePath(folder, L"Data\\Levels\\*.*"))),
              (Names{L"A.grd", L"bb.GRD", L"c.txt", L"d.grdx", L"e.grd.bak", L"noext"}));
    EXPECT_EQ(sorted(platform::listFolder(gamePath(folder, L"Data\\Levels\\*g*d*"))),
              (Names{L"A.grd", L"bb.GRD", L"d.grdx", L"e.grd.bak"}));
    EXPECT_EQ(sorted(platform::listFolder(gamePath(folder, L"Data\\Levels\\A.grd"))), (Names{L"A.grd"}));
    EXPECT_TRUE(platform::listFolder(gamePath(folder, L"Data\\Missing\\*.grd")).empty());
    EXPECT_TRUE(platform::listFolder(gamePath(folder, L"Data\\Levels\\*.gsv")).empty());
}

TEST(Files, CurrentDirectoryHasNoTrailingSeparator) {
    std::wstring current = platform::currentDirectory();
    EXPECT_EQ(platform::toUtf8(current), fs::current_path().string());
    ASSERT_FALSE(current.empty());
    EXPECT_TRUE(current == L"/" || current.back() != L'/');
}
