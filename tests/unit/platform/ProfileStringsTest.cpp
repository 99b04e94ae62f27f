// The profile-string service on real files: defaults, integer reads, and writes that never lose
// a player's file.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

#include "TestFolder.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;
using platform::profileInt;
using platform::profileString;
using platform::writeProfileString;

using platformtest::gamePath;
using platformtest::readBytes;
using platformtest::testFolder;
using platformtest::writeBytes;

TEST(ProfileStrings, MissingFileSectionOrKeyGivesTheClippedFallback) {
    fs::path folder = testFolder();
    std::wstring missing = gamePath(folder, L"Missing.ini");
    EXPECT_EQ(profileString(missing, L"S", L"k", L"fallback", 100), L"fallback");
    EXPECT_EQ(profileString(missing, L"S", L"k", L"fallback", 5), L"fall");
    EXPECT_EQ(profileString(missing, L"S", L"k", L"fallback", 1), L"");
    EXPECT_EQ(profileString(missing, L"S", L"k", L"fallback", 0), L"");
    EXPECT_EQ(profileInt(missing, L"S", L"k", -7), -7);

    writeBytes(folder / "Settings.ini", "[S]\nk=" + std::string(120, 'v') + "\n");
    std::wstring file = gamePath(folder, L"Settings.ini");
    EXPECT_EQ(profileString(file, L"S", L"k", L"", 100), std::wstring(99, L'v'));
    EXPECT_EQ(profileString(file, L"S", L"other", L"d", 100), L"d");
    EXPECT_EQ(profileString(file, L"T", L"k", L"d", 100), L"d");
    EXPECT_EQ(profileInt(file, L"S", L"other", 42), 42);
}

TEST(ProfileStrings, IntegerIsTheLeadingDecimalNumber) {
    fs::path folder = testFolder();
    writeBytes(folder / "Numbers.ini",
               "[N]\n"
               "plain=800\n" "suffix=12abc\n" "hex=0x10\n" "word=abc\n" "empty=\n"
               "negative= \t-42\n" "plus=+7\n" "sign=-\n" "max=2147483647\n" "min=-2147483648\n"
               "over=2147483648\n" "under=-2147483649\n" "huge=99999999999999999999999\n");
    std::wstring file = gamePath(folder, L"Numbers.ini");
    auto read = [&](const wchar_t* key) { return profileInt(file, L"N", key, 5); };
    EXPECT_EQ(read(L"plain"), 800);
    EXPECT_EQ(read(L"suffix"), 12);
    EXPECT_EQ(read(L"hex"), 0);
    EXPECT_EQ(read(L"word"), 0);
    EXPECT_EQ(read(L"empty"), 0);
    EXPECT_EQ(read(L"negative"), -42);
    EXPECT_EQ(read(L"plus"), 7);
    EXPECT_EQ(read(L"sign"), 0);
    EXPECT_EQ(read(L"max"), INT_MAX);
    EXPECT_EQ(read(L"min"), INT_MIN);
    EXPECT_EQ(read(L"over"), INT_MAX);
    EXPECT_EQ(read(L"under"), INT_MIN);
    EXPECT_EQ(read(L"huge"), INT_MAX);
}

TEST(ProfileStrings, WriteCreatesTheFileAndUpdatesItInPlace) {
    fs::path folder = testFolder();
    std::wstring file = gamePath(folder, L"Settings.ini");
    ASSERT_TRUE(writeProfileString(file, L"System", L"Width", L"800"));
    ASSERT_TRUE(writeProfileString(file, L"System", L"Height", L"600"));
    ASSERT_TRUE(writeProfileString(file, L"GameSettings", L"VisualStyle", L"2"));
    ASSERT_TRUE(writeProfileString(file, L"system", L"width", L"1024"));
    EXPECT_EQ(readBytes(folder / "Settings.ini"),
              "[System]\r\nWidth=1024\r\nHeight=600\r\n[GameSettings]\r\nVisualStyle=2\r\n");
    EXPECT_EQ(profileInt(file, L"SYSTEM", L"WIDTH", 0), 1024);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(ProfileStrings, FileAndFolderNamesMatchWithoutRegardToCase) {
    fs::path folder = testFolder();
    fs::create_directories(folder / "Data" / "Levels");
    writeBytes(folder / "Data" / "Levels" / "Recs.ini", "; records\n[Level01]\nBest=90\n");
    std::wstring differentCase = gamePath(folder, L"DATA\\levels\\RECS.INI");
    EXPECT_EQ(profileInt(differentCase, L"level01", L"best", 0), 90);
    ASSERT_TRUE(writeProfileString(differentCase, L"Level01", L"Best", L"75"));
    EXPECT_EQ(readBytes(folder / "Data" / "Levels" / "Recs.ini"), "; records\n[Level01]\nBest=75\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "Data" / "Levels"), fs::directory_iterator()), 1);
}

TEST(ProfileStrings, NeverReplacesAFileItCannotRead) {
    fs::path folder = testFolder();
    // Too big to be an INI file: the service must not rewrite it from an empty document.
    fs::path big = folder / "Big.ini";
    writeBytes(big, "[S]\r\nk=1\r\n");
    fs::resize_file(big, 64u * 1024 * 1024 + 1);
    EXPECT_FALSE(writeProfileString(gamePath(folder, L"Big.ini"), L"S", L"k", L"2"));
    EXPECT_EQ(fs::file_size(big), 64u * 1024 * 1024 + 1);
    std::string start(10, '\0');
    std::ifstream(big, std::ios::binary).read(&start[0], 10);
    EXPECT_EQ(start, "[S]\r\nk=1\r\n");
    fs::remove(big);

    fs::create_directory(folder / "Folder.ini");
    EXPECT_FALSE(writeProfileString(gamePath(folder, L"Folder.ini"), L"S", L"k", L"2"));
    EXPECT_TRUE(fs::is_directory(folder / "Folder.ini"));

    EXPECT_FALSE(writeProfileString(gamePath(folder, L"NoSuchFolder\\Settings.ini"), L"S", L"k", L"2"));
    EXPECT_FALSE(fs::exists(folder / "NoSuchFolder"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);  // no leftovers
}

TEST(ProfileStrings, DamagedFilesReadAndUpdateWithoutHarm) {
    fs::path folder = testFolder();
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
    writeBytes(folder / "Junk.ini", junk);
    std::wstring file = gamePath(folder, L"Junk.ini");
    profileString(file, L"S", L"k", L"", 100);
    ASSERT_TRUE(writeProfileString(file, L"Tallix", L"Key", L"v"));
    std::string after = readBytes(folder / "Junk.ini");
    EXPECT_EQ(after.substr(0, junk.size()), junk);
    EXPECT_EQ(profileString(file, L"tallix", L"key", L"", 100), L"v");
}
