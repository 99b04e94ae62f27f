// The file functions, on both backends (tools/test-windows.sh runs this file on Windows): names
// found in any case, reads that refuse what is not a sane file, writes that replace a file whole
// or not at all, and folder listings.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "tests/support/TestFiles.h"

using namespace testsupport;
using Names = std::vector<std::string>;

namespace {

Names entries(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readBack(const fs::path& folder, const std::wstring& name) {
    std::vector<uint8_t> bytes = {1, 2, 3};  // replaced, not added to
    return platform::readWholeFile(gamePath(folder, name), bytes) ? std::string(bytes.begin(), bytes.end()) : "<unreadable>";
}

}  // namespace

TEST(Files, ReadRefusesWhatIsNotASaneFile) {
    fs::path folder = freshFolder();
    std::vector<uint8_t> bytes = {1};
    EXPECT_FALSE(platform::readWholeFile(gamePath(folder, L"Missing.dds"), bytes));
    EXPECT_TRUE(bytes.empty());
    fs::create_directory(folder / "Folder.dds");
    EXPECT_FALSE(platform::readWholeFile(gamePath(folder, L"Folder.dds"), bytes));
#ifndef _WIN32
    ASSERT_EQ(mkfifo((folder / "Pipe.dds").c_str(), 0600), 0);  // must not wait for a writer
    EXPECT_FALSE(platform::readWholeFile(gamePath(folder, L"Pipe.dds"), bytes));
#endif
    writeText(folder / "Huge.dds", "DDS ");
    fs::resize_file(folder / "Huge.dds", 64u * 1024 * 1024 + 1);
    EXPECT_FALSE(platform::readWholeFile(gamePath(folder, L"Huge.dds"), bytes));
    EXPECT_TRUE(bytes.empty());
    fs::resize_file(folder / "Huge.dds", 64u * 1024 * 1024);
    EXPECT_TRUE(platform::readWholeFile(gamePath(folder, L"HUGE.DDS"), bytes));
    EXPECT_EQ(bytes.size(), 64u * 1024 * 1024);
    fs::remove(folder / "Huge.dds");
}

// A write replaces the file the game meant with exactly the bytes given, and leaves nothing beside.
TEST(Files, WriteReplacesTheFileTheGameMeantWhole) {
    fs::path folder = freshFolder();
    writeText(folder / "Settings.ini", "old, and longer than the new");
    std::string bytes(70000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 31);
#ifndef _WIN32
    fs::permissions(folder / "Settings.ini", fs::perms(0640));
#endif
    ASSERT_TRUE(platform::writeFileAtomically(gamePath(folder, L"settings.INI"), bytes.data(), bytes.size()));
    EXPECT_EQ(entries(folder), Names{"Settings.ini"});
    EXPECT_EQ(readBack(folder, L"Settings.ini"), bytes);
    ASSERT_TRUE(platform::writeFileAtomically(gamePath(folder, L"Settings.ini"), "new", 3));
    EXPECT_EQ(readBack(folder, L"Settings.ini"), "new");
#ifndef _WIN32
    EXPECT_EQ(fs::status(folder / "Settings.ini").permissions(), fs::perms(0640));
    // A link stays a link; the file it points to gets the new bytes.
    fs::create_symlink("Settings.ini", folder / "Linked.ini");
    ASSERT_TRUE(platform::writeFileAtomically(gamePath(folder, L"Linked.ini"), nullptr, 0));
    EXPECT_TRUE(fs::is_symlink(folder / "Linked.ini"));
    EXPECT_EQ(readBack(folder, L"Settings.ini"), "");
#else
    // A read-only file stays as it is (Wine would replace it; Windows refuses).
    SetFileAttributesW(gamePath(folder, L"Settings.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(platform::writeFileAtomically(gamePath(folder, L"Settings.ini"), nullptr, 0));
    SetFileAttributesW(gamePath(folder, L"Settings.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readBack(folder, L"Settings.ini"), "new");
    EXPECT_EQ(entries(folder), Names{"Settings.ini"});
    ASSERT_TRUE(platform::writeFileAtomically(gamePath(folder, L"Settings.ini"), nullptr, 0));
    EXPECT_EQ(readBack(folder, L"Settings.ini"), "");
#endif
}

// A failed write leaves nothing behind; exists and delete concern regular files only.
TEST(Files, FailedWritesExistsAndDelete) {
    fs::path folder = freshFolder();
    EXPECT_FALSE(platform::writeFileAtomically(gamePath(folder, L"Missing\\File.bin"), "x", 1));
    fs::create_directories(folder / "Styles" / "inside");
    EXPECT_FALSE(platform::writeFileAtomically(gamePath(folder, L"Styles"), "x", 1));
    EXPECT_EQ(entries(folder), Names{"Styles"});
    EXPECT_TRUE(fs::is_directory(folder / "Styles" / "inside"));

    writeText(folder / "Level01.gsv", "save");
    EXPECT_TRUE(platform::fileExists(gamePath(folder, L"LEVEL01.GSV")));
    EXPECT_FALSE(platform::fileExists(gamePath(folder, L"Styles")));
    EXPECT_FALSE(platform::fileExists(gamePath(folder, L"Level02.gsv")));
    EXPECT_TRUE(platform::deleteFile(gamePath(folder, L"level01.gsv")));
    EXPECT_FALSE(platform::deleteFile(gamePath(folder, L"Level01.gsv")));
    EXPECT_FALSE(platform::deleteFile(gamePath(folder, L"Styles")));
    EXPECT_EQ(entries(folder), Names{"Styles"});
}

#ifndef _WIN32
// Temporary files of writes that were killed half-way go with the next write of the same file;
// those of a writer that still runs, and of other files, stay.
TEST(Files, NextWriteRemovesTemporariesOfWritersThatAreGone) {
    fs::path folder = freshFolder();
    pid_t gone = fork();
    if (gone == 0) _exit(0);
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    std::string stale = ".Settings.ini." + std::to_string(gone) + "-0.tmp";
    std::string running = ".Settings.ini.1-3.tmp";  // pid 1 always runs
    std::string otherFile = ".Recs.ini." + std::to_string(gone) + "-0.tmp";
    for (const std::string& name : {stale, running, otherFile, std::string("Settings.ini")}) writeText(folder / name, "old");
    ASSERT_TRUE(platform::writeFileAtomically(gamePath(folder, L"Settings.ini"), "new", 3));
    EXPECT_EQ(entries(folder), (Names{otherFile, running, "Settings.ini"}));
}
#endif

// Patterns match the long name only (Windows also offers the short alias "D~1.GRD" to its search).
TEST(Files, ListFolderMatchesWildcardsWithoutRegardToCase) {
    fs::path folder = freshFolder();
    fs::create_directories(folder / "Data" / "Levels" / "Sub.grd");
    for (const char* name : {"A.grd", "bb.GRD", "c.txt", "d.grdx", "e.grd.bak", "noext"})
        writeText(folder / "Data" / "Levels" / name, "x");
    using Wide = std::vector<std::wstring>;
    const std::pair<std::wstring, Wide> listings[] = {
        {L"data\\levels\\*.grd", {L"A.grd", L"bb.GRD"}},
        {L"Data\\Levels\\?.GRD", {L"A.grd"}},
        {L"Data\\Levels\\*.*", {L"A.grd", L"bb.GRD", L"c.txt", L"d.grdx", L"e.grd.bak", L"noext"}},
        {L"Data\\Levels\\*g*d*", {L"A.grd", L"bb.GRD", L"d.grdx", L"e.grd.bak"}},
        {L"Data\\Levels\\A.grd", {L"A.grd"}},
        {L"Data\\Missing\\*.grd", {}},
        {L"Data\\Levels\\*.gsv", {}},
    };
    for (const auto& [pattern, expected] : listings) {
        Wide names = platform::listFolder(gamePath(folder, pattern));
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, expected) << testing::PrintToString(pattern);
    }
    EXPECT_TRUE(platform::matchesWildcard(L"\u00C9t\u00E9.grd", L"\u00E9T\u00C9.GRD"));
    EXPECT_FALSE(platform::matchesWildcard(L"", L"a"));
}

// The current directory has no trailing separator. The game's paths go to Windows unchanged;
// elsewhere each component is found in any case, and names found in no case stay as written,
// below them too, so new files can be made.
TEST(Files, CurrentDirectoryAndHostPaths) {
    fs::path folder = freshFolder(), saved = fs::current_path();
    EXPECT_EQ(platform::currentDirectory(), wide(saved));
    fs::current_path(saved.root_path());
    std::wstring root = platform::currentDirectory();
    fs::current_path(saved);
    writeText(folder / "Data" / "Levels" / "Level01.grd", "x");
#ifdef _WIN32
    EXPECT_EQ(root + L"\\", wide(saved.root_path()));  // "C:" for C:\ .
    EXPECT_EQ(platform::hostPath(L"data\\LEVELS\\level01.GRD"), "data\\LEVELS\\level01.GRD");
#else
    EXPECT_EQ(root, L"/");
    const std::string host = folder.string();
    for (const wchar_t* path : {L"Data\\Levels\\Level01.grd", L"data\\LEVELS\\level01.GRD", L"DATA/levels\\\\Level01.grd"})
        EXPECT_EQ(platform::hostPath(gamePath(folder, path)), host + "/Data/Levels/Level01.grd");
    EXPECT_EQ(platform::hostPath(gamePath(folder, L"data\\New\\Save.GSV")), host + "/Data/New/Save.GSV");
    std::string relative = fs::relative(folder, fs::current_path()).string();
    std::wstring backslashed = platform::fromUtf8(relative);
    std::replace(backslashed.begin(), backslashed.end(), L'/', L'\\');
    EXPECT_EQ(platform::hostPath(backslashed + L"\\data\\levels\\LEVEL01.grd"), relative + "/Data/Levels/Level01.grd");
#endif
}
