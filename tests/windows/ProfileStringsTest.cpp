// The profile-string service on Windows: the system's INI functions behind a crash-safe write.
#include <algorithm>

#include "platform/Platform.h"
#include "platform/win32/Win32.h"
#include "tests/windows/Check.h"

namespace {

std::string readText(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    if (!platform::readWholeFile(path, bytes)) return "<unreadable>";
    return std::string(bytes.begin(), bytes.end());
}

bool writeText(const std::wstring& path, const std::string& text) {
    return platform::writeFileAtomically(path, text.data(), text.size());
}

std::wstring read(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    return platform::profileString(file, section, key, L"<default>", 100);
}

size_t filesIn(const std::wstring& folder) { return platform::listFolder(folder + L"*").size(); }

}  // namespace

TEST_CASE("profile: written values read back, names without regard to case") {
    std::wstring folder = wintest::freshFolder(L"wt-profile-roundtrip");
    std::wstring file = folder + L"Settings.ini";
    CHECK_EQ(wintest::narrow(read(file, L"System", L"Width")), std::string("<default>"));
    CHECK_EQ(platform::profileInt(file, L"System", L"Width", 800), 800);
    CHECK(platform::writeProfileString(file, L"System", L"Width", L"640"));
    CHECK(platform::writeProfileString(file, L"system", L"WIDTH", L"1024"));
    CHECK_EQ(wintest::narrow(read(file, L"SYSTEM", L"width")), std::string("1024"));
    CHECK_EQ(platform::profileInt(file, L"System", L"Width", 800), 1024);
    CHECK(platform::writeProfileString(file, L"Recs", L"Offset", L"-5"));
    CHECK_EQ(platform::profileInt(file, L"Recs", L"Offset", 0), -5);
    CHECK_EQ(wintest::narrow(read(file, L"System", L"Height")), std::string("<default>"));
    CHECK_EQ(filesIn(folder), 1u);
}

TEST_CASE("profile: a write keeps every other line of the file") {
    std::wstring folder = wintest::freshFolder(L"wt-profile-keep");
    std::wstring file = folder + L"Settings.ini";
    REQUIRE(writeText(file, "[System]\r\nWidth=640\r\nHeight=480\r\n"
                            "[GameSettings]\r\nViewStyle=2\r\n"));
    CHECK(platform::writeProfileString(file, L"System", L"ShowFPS", L"1"));
    std::string text = readText(file);
    std::string kept = "[System]\r\nWidth=640\r\nHeight=480\r\nShowFPS=1\r\n";
    CHECK_EQ(text.substr(0, kept.size()), kept);
    CHECK(text.find("[GameSettings]\r\nViewStyle=2") != std::string::npos);
    CHECK_EQ(wintest::narrow(read(file, L"GameSettings", L"ViewStyle")), std::string("2"));
}

TEST_CASE("profile: values are cut to the caller's buffer") {
    std::wstring folder = wintest::freshFolder(L"wt-profile-cut");
    std::wstring file = folder + L"Style.ini";
    std::wstring longValue(120, L'v');
    REQUIRE(platform::writeProfileString(file, L"Style", L"Name", longValue));
    CHECK_EQ(read(file, L"Style", L"Name").size(), 99u);
    CHECK_EQ(platform::profileString(file, L"Style", L"Name", L"", 10).size(), 9u);
    CHECK(platform::profileString(file, L"Style", L"Name", L"", 0).empty());
}

// The system's functions would look for a file given without its full path in the Windows folder.
TEST_CASE("profile: a relative file name means the working directory") {
    wintest::freshFolder(L"wt-profile-relative");
    for (std::wstring relative : {L"wt-profile-relative\\Rel.ini", L"wt-profile-bare.ini"}) {
        platform::deleteFile(relative);
        CHECK(platform::writeProfileString(relative, L"S", L"K", L"here"));
        CHECK(platform::fileExists(platform::currentDirectory() + L"\\" + relative));
        CHECK_EQ(wintest::narrow(read(relative, L"S", L"K")), std::string("here"));
        CHECK_EQ(platform::profileInt(relative, L"S", L"Missing", 7), 7);
    }
    platform::deleteFile(L"wt-profile-bare.ini");
}

TEST_CASE("profile: a refused write leaves the file as it was and nothing beside it") {
    std::wstring folder = wintest::freshFolder(L"wt-profile-refused");
    std::wstring file = folder + L"Recs.ini";
    REQUIRE(writeText(file, "[Easy01]\r\nUser=42\r\n"));
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    CHECK(!platform::writeProfileString(file, L"Easy01", L"User", L"7"));
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    CHECK_EQ(readText(file), std::string("[Easy01]\r\nUser=42\r\n"));
    CHECK_EQ(filesIn(folder), 1u);
    CHECK(!platform::writeProfileString(folder + L"Missing\\Recs.ini", L"S", L"K", L"V"));
}

TEST_CASE("profile: names that could not be read back are refused") {
    std::wstring folder = wintest::freshFolder(L"wt-profile-names");
    std::wstring file = folder + L"Odd.ini";
    CHECK(!platform::writeProfileString(file, L"", L"Key", L"v"));
    CHECK(!platform::writeProfileString(file, L"Section", L"", L"v"));
    CHECK(!platform::writeProfileString(file, L"Sec]tion", L"Key", L"v"));
    CHECK(!platform::writeProfileString(file, L"Section", L"Ke=y", L"v"));
    CHECK(!platform::writeProfileString(file, L"Section", L";Key", L"v"));
    CHECK(!platform::writeProfileString(file, L"Section", L"Key", L"two\r\nlines"));
    CHECK(!platform::fileExists(file));
    CHECK_EQ(filesIn(folder), 0u);
}

TEST_CASE("profile: a UTF-16 file stays readable and writable") {
    std::wstring folder = wintest::freshFolder(L"wt-profile-utf16");
    std::wstring file = folder + L"Wide.ini";
    std::string bytes = "\xFF\xFE";
    for (char c : std::string("[System]\r\nWidth=640\r\n")) bytes += std::string{c, '\0'};
    REQUIRE(writeText(file, bytes));
    CHECK_EQ(platform::profileInt(file, L"System", L"Width", 0), 640);
    CHECK(platform::writeProfileString(file, L"System", L"Height", L"480"));
    CHECK_EQ(platform::profileInt(file, L"System", L"Height", 0), 480);
    CHECK_EQ(platform::profileInt(file, L"System", L"Width", 0), 640);
}
