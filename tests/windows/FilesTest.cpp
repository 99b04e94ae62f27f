// The file functions on Windows: replacing files safely, what counts as a file, folder listing.
#include <algorithm>

#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "platform/win32/Win32.h"
#include "tests/windows/Check.h"

namespace {

bool writeText(const std::wstring& path, const std::string& text) {
    return platform::writeFileAtomically(path, text.data(), text.size());
}

std::string readText(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    if (!platform::readWholeFile(path, bytes)) return "<unreadable>";
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::wstring> sortedListing(const std::wstring& pattern) {
    std::vector<std::wstring> names = platform::listFolder(pattern);
    std::sort(names.begin(), names.end());
    return names;
}

std::string joined(const std::vector<std::wstring>& names) {
    std::string out;
    for (const auto& name : names) out += wintest::narrow(name) + "|";
    return out;
}

}  // namespace

TEST_CASE("files: a write replaces the file whole and leaves nothing beside it") {
    std::wstring folder = wintest::freshFolder(L"wt-files-write");
    std::wstring file = folder + L"Level01.gsv";
    CHECK(writeText(file, "first version, longer than the second"));
    CHECK(writeText(file, "second"));
    CHECK_EQ(readText(file), std::string("second"));
    CHECK(writeText(file, ""));
    CHECK_EQ(readText(file), std::string(""));
    CHECK_EQ(joined(sortedListing(folder + L"*")), std::string("Level01.gsv|"));
}

TEST_CASE("files: a write that cannot happen leaves the old file and no leftovers") {
    std::wstring folder = wintest::freshFolder(L"wt-files-refused");
    std::wstring file = folder + L"Recs.ini";
    REQUIRE(writeText(file, "kept"));
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    CHECK(!writeText(file, "lost"));
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    CHECK_EQ(readText(file), std::string("kept"));
    CHECK(!writeText(folder + L"NoSuchFolder\\File.bin", "x"));
    CHECK_EQ(joined(sortedListing(folder + L"*")), std::string("Recs.ini|"));
}

TEST_CASE("files: folders and missing names are no files") {
    std::wstring folder = wintest::freshFolder(L"wt-files-kinds");
    CreateDirectoryW((folder + L"Levels").c_str(), nullptr);
    std::vector<uint8_t> bytes{1, 2, 3};
    CHECK(!platform::readWholeFile(folder + L"Levels", bytes));
    CHECK(bytes.empty());
    CHECK(!platform::readWholeFile(folder + L"Missing.grd", bytes));
    CHECK(!platform::fileExists(folder + L"Levels"));
    CHECK(!platform::fileExists(folder + L"Missing.grd"));
    CHECK(!platform::deleteFile(folder + L"Levels"));
    CHECK(!platform::deleteFile(folder + L"Missing.grd"));
    REQUIRE(writeText(folder + L"Saved.gsv", "x"));
    CHECK(platform::fileExists(folder + L"SAVED.GSV"));  // names without regard to case
    CHECK(platform::deleteFile(folder + L"saved.gsv"));
    CHECK(!platform::fileExists(folder + L"Saved.gsv"));
}

TEST_CASE("files: a folder listing holds files whose long name fits the pattern") {
    std::wstring folder = wintest::freshFolder(L"wt-files-list");
    for (const wchar_t* name : {L"Level1.grd", L"b.GRD", L"Level2.grdx", L"grd", L"notes.txt"})
        REQUIRE(writeText(folder + name, "x"));
    CreateDirectoryW((folder + L"Sub.grd").c_str(), nullptr);
    CHECK_EQ(joined(sortedListing(folder + L"*.grd")), std::string("Level1.grd|b.GRD|"));
    CHECK_EQ(joined(sortedListing(folder + L"*.*")),
             std::string("Level1.grd|Level2.grdx|b.GRD|grd|notes.txt|"));
    CHECK(platform::listFolder(folder + L"Missing\\*.grd").empty());
    CHECK(platform::listFolder(folder + L"*.sav").empty());
}

TEST_CASE("files: patterns match the long name only, without regard to case") {
    using platform::matchesWildcard;
    CHECK(matchesWildcard(L"*.grd", L"EASY01.GRD"));
    CHECK(!matchesWildcard(L"*.grd", L"Easy01.grdx"));
    CHECK(!matchesWildcard(L"*.grd", L"Easy01.grd.bak"));
    CHECK(matchesWildcard(L"Level?.grd", L"level7.grd"));
    CHECK(!matchesWildcard(L"Level?.grd", L"Level10.grd"));
    CHECK(matchesWildcard(L"*a*b*", L"xxAyyBzz"));
    CHECK(matchesWildcard(L"\u00C9t\u00E9.grd", L"\u00E9T\u00C9.GRD"));
    CHECK(!matchesWildcard(L"", L"a"));
}

TEST_CASE("files: the current directory comes without a trailing separator") {
    wchar_t saved[MAX_PATH];
    REQUIRE(GetCurrentDirectoryW(MAX_PATH, saved) > 0);
    std::wstring here = platform::currentDirectory();
    CHECK(!here.empty() && here.back() != L'\\');
    CHECK(platform::fileExists(here + L"\\tallix.exe"));
    REQUIRE(SetCurrentDirectoryW(L"C:\\"));
    CHECK_EQ(wintest::narrow(platform::currentDirectory()), std::string("C:"));
    SetCurrentDirectoryW(saved);
}

TEST_CASE("files: host paths are the game's paths") {
    CHECK_EQ(platform::hostPath(L"Data\\Levels\\Easy01.grd"),
             std::string("Data\\Levels\\Easy01.grd"));
}
