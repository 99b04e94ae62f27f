// The profile-string service on real files, on both backends (tools/test-windows.sh runs this file
// on Windows, where the system's own INI functions answer): defaults, integer reads, and writes
// that never lose a player's file.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <tuple>

#include "platform/Platform.h"
#include "tests/support/TestFiles.h"

using namespace testsupport;
using platform::profileInt;
using platform::profileString;
using platform::writeProfileString;

namespace {

size_t filesIn(const fs::path& folder) { return size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator())); }

}  // namespace

TEST(ProfileStrings, ReadsGiveTheValueOrTheClippedFallback) {
    fs::path folder = freshFolder();
    writeText(folder / "Settings.ini", "[S]\r\nk=" + std::string(120, 'v') + "\r\n");
    const std::wstring file = gamePath(folder, L"Settings.ini"), missing = gamePath(folder, L"Missing.ini");
    const std::tuple<std::wstring, std::wstring, std::wstring, size_t, std::wstring> rows[] = {
        {missing, L"S", L"k", 100, L"fallback"},
        {missing, L"S", L"k", 8, L"fallbac"},  // at most bufferChars - 1 characters
        {missing, L"S", L"k", 1, L""},
        {missing, L"S", L"k", 0, L""},
        {file, L"S", L"k", 100, std::wstring(99, L'v')},
        {file, L"s", L"K", 10, std::wstring(9, L'v')},
        {file, L"S", L"other", 100, L"fallback"},
        {file, L"T", L"k", 100, L"fallback"},
    };
    for (const auto& [path, section, key, bufferChars, expected] : rows)
        EXPECT_EQ(profileString(path, section, key, L"fallback", bufferChars), expected) << key << " in " << bufferChars;
    EXPECT_EQ(profileInt(missing, L"S", L"k", -7), -7);
    EXPECT_EQ(profileInt(file, L"S", L"other", 42), 42);
}

TEST(ProfileStrings, IntegerIsTheLeadingDecimalNumber) {
    fs::path folder = freshFolder();
    const std::pair<std::string, int> rows[] = {
        {"plain=800", 800}, {"suffix=12abc", 12}, {"word=abc", 0}, {"negative= \t-42", -42},
        {"plus=+7", 7}, {"max=2147483647", INT_MAX}, {"min=-2147483648", INT_MIN},
#ifndef _WIN32  // the system reads hexadecimal, wraps round, and gives the default for an empty value
        {"hex=0x10", 0}, {"empty=", 0}, {"sign=-", 0}, {"over=2147483648", INT_MAX},
        {"under=-2147483649", INT_MIN}, {"huge=99999999999999999999999", INT_MAX},
#endif
    };
    std::string text = "[N]\n";
    for (const auto& row : rows) text += row.first + "\n";
    writeText(folder / "Numbers.ini", text);
    for (const auto& [line, expected] : rows) {
        std::wstring key = platform::fromUtf8(line.substr(0, line.find('=')));
        EXPECT_EQ(profileInt(gamePath(folder, L"Numbers.ini"), L"N", key, 5), expected) << line;
    }
}

TEST(ProfileStrings, WritesUpdateInPlaceAndKeepEveryOtherLine) {
    fs::path folder = freshFolder();
    std::wstring file = gamePath(folder, L"Settings.ini");
    EXPECT_EQ(profileInt(file, L"System", L"Width", 800), 800);
    for (auto [section, key, value] : {std::tuple{L"System", L"Width", L"800"}, {L"System", L"Height", L"600"},
                                       {L"GameSettings", L"VisualStyle", L"2"}, {L"system", L"width", L"1024"},
                                       {L"Recs", L"Offset", L"-5"}})
        ASSERT_TRUE(writeProfileString(file, section, key, value));
    EXPECT_EQ(profileInt(file, L"SYSTEM", L"WIDTH", 0), 1024);
    EXPECT_EQ(profileInt(file, L"Recs", L"Offset", 0), -5);
    EXPECT_EQ(filesIn(folder), 1u);
#ifndef _WIN32
    EXPECT_EQ(readText(folder / "Settings.ini"),
              "[System]\r\nWidth=1024\r\nHeight=600\r\n[GameSettings]\r\nVisualStyle=2\r\n[Recs]\r\nOffset=-5\r\n");
#endif

    writeText(folder / "Data" / "Levels" / "Recs.ini", "; records\r\n[Level01]\r\nBest=90\r\nUser=3\r\n[Level02]\r\nBest=1\r\n");
    std::wstring differentCase = gamePath(folder, L"DATA\\levels\\RECS.INI");
    EXPECT_EQ(profileInt(differentCase, L"level01", L"best", 0), 90);
    ASSERT_TRUE(writeProfileString(differentCase, L"Level01", L"Best", L"75"));
    ASSERT_TRUE(writeProfileString(differentCase, L"Level01", L"Time", L"7"));
    std::string kept = "; records\r\n[Level01]\r\nBest=75\r\nUser=3\r\nTime=7\r\n";
    EXPECT_EQ(readText(folder / "Data" / "Levels" / "Recs.ini").substr(0, kept.size()), kept);
    EXPECT_EQ(profileInt(differentCase, L"Level02", L"Best", 0), 1);
    EXPECT_EQ(filesIn(folder / "Data" / "Levels"), 1u);
}

TEST(ProfileStrings, RefusedWritesLeaveTheFileAsItWasAndNothingBeside) {
    fs::path folder = freshFolder();
    // Too big to be an INI file: the service must not rewrite it from an empty document.
    writeText(folder / "Big.ini", "[S]\r\nk=1\r\n");
    fs::resize_file(folder / "Big.ini", 64u * 1024 * 1024 + 1);
    EXPECT_FALSE(writeProfileString(gamePath(folder, L"Big.ini"), L"S", L"k", L"2"));
    EXPECT_EQ(fs::file_size(folder / "Big.ini"), 64u * 1024 * 1024 + 1);
    fs::remove(folder / "Big.ini");

    fs::create_directory(folder / "Folder.ini");
    EXPECT_FALSE(writeProfileString(gamePath(folder, L"Folder.ini"), L"S", L"k", L"2"));
    EXPECT_TRUE(fs::is_directory(folder / "Folder.ini"));
    EXPECT_FALSE(writeProfileString(gamePath(folder, L"NoSuchFolder\\Settings.ini"), L"S", L"k", L"2"));
    EXPECT_FALSE(fs::exists(folder / "NoSuchFolder"));

    // Names the file could not give back as written.
    for (auto [section, key, value] : {std::tuple{L"", L"Key", L"v"}, {L"S", L"", L"v"}, {L"Sec]tion", L"Key", L"v"},
                                       {L"S", L"Ke=y", L"v"}, {L"S", L";Key", L"v"}, {L"S", L"Key", L"two\r\nlines"}})
        EXPECT_FALSE(writeProfileString(gamePath(folder, L"Odd.ini"), section, key, value)) << key;
    EXPECT_EQ(filesIn(folder), 1u);  // the folder, and no leftovers
}

// A UTF-16 file reads and updates (on POSIX the document tests cover damaged bytes).
TEST(ProfileStrings, WideFilesReadAndUpdate) {
    fs::path folder = freshFolder();
    std::string wideText = "\xFF\xFE";
    for (char c : std::string("[System]\r\nWidth=640\r\n")) wideText += std::string{c, '\0'};
    writeText(folder / "Wide.ini", wideText);
    std::wstring wideFile = gamePath(folder, L"Wide.ini");
    ASSERT_TRUE(writeProfileString(wideFile, L"System", L"Height", L"480"));
    EXPECT_EQ(profileInt(wideFile, L"System", L"Height", 0), 480);
    EXPECT_EQ(profileInt(wideFile, L"System", L"Width", 0), 640);
}

// Relative names mean the working directory (the system's own functions would look in the
// Windows folder for a name without a folder).
TEST(ProfileStrings, RelativeFileNamesMeanTheWorkingDirectory) {
    fs::path folder = freshFolder(), saved = fs::current_path();
    fs::current_path(folder);
    fs::create_directories(folder / "Sub");
    for (std::wstring relative : {L"Sub\\Rel.ini", L"Bare.ini"}) {
        EXPECT_TRUE(writeProfileString(relative, L"S", L"K", L"here"));
        EXPECT_TRUE(platform::fileExists(wide(folder) + L"\\" + relative));
        EXPECT_EQ(profileString(relative, L"S", L"K", L"", 100), L"here");
        EXPECT_EQ(profileInt(relative, L"S", L"Missing", 7), 7);
    }
    fs::current_path(saved);
}
