#include "app/IniFile.h"

#include <cmath>
#include <locale>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"

using namespace testsupport;

namespace {

class IniFileTest : public testing::Test {
protected:
    IniFile withText(const std::string& lines) {
        writeText(folder / "Test.ini", lines);
        return IniFile(wide(folder / "Test.ini"));
    }

    fs::path folder = freshFolder();
};

// A global C++ locale that writes "1.234.567,5": nothing read or written may follow it.
template <typename Char>
struct CommaDecimals : std::numpunct<Char> {
    Char do_decimal_point() const override { return ','; }
    Char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

}  // namespace

// One file, every reader: values present, missing, untrimmed, of the wrong type, too long.
TEST_F(IniFileTest, ReadersTakeWhatTheGameExpectsOrTheDefault) {
    std::string longValue(120, 'x');
    longValue[98] = 'y';
    longValue[99] = 'z';
    IniFile ini = withText("[S]\nEmpty=\nZero=0\nZeroZero=00\nZeroText=0abc\nOne=1\nYes=yes\nNo=no\nFalse=false\n"
                           "Blank=   0\nPresent=7\nLong=" + longValue + "\nExact=" + std::string(99, 'a') + "\n");
    const std::pair<const wchar_t*, bool> bools[] = {
        {L"Empty", true}, {L"Zero", false}, {L"ZeroZero", false}, {L"ZeroText", false},
        {L"Blank", false},  // surrounding blanks are not part of the value
        {L"One", true}, {L"Yes", true}, {L"No", true}, {L"False", true}};
    for (const auto& [key, expected] : bools) EXPECT_EQ(ini.readBool(L"S", key, !expected), expected) << key;
    EXPECT_TRUE(ini.readBool(L"S", L"Missing", true));
    EXPECT_FALSE(ini.readBool(L"S", L"Missing", false));
    EXPECT_FALSE(ini.readBool(L"Other", L"Present", false));
    EXPECT_EQ(ini.readString(L"S", L"Missing"), L"");
    EXPECT_EQ(ini.readString(L"S", L"Long"), std::wstring(98, L'x') + L"y");  // at most 99 characters
    EXPECT_EQ(ini.readString(L"S", L"Exact"), std::wstring(99, L'a'));

    IniFile nowhere(wide(folder / "NoSuchFolder" / "None.ini"));
    EXPECT_TRUE(nowhere.readBool(L"S", L"Present", true));
    EXPECT_EQ(nowhere.readString(L"S", L"Present"), L"");
}

// The classic-locale number at the start of the first 22 characters, whatever the process locale;
// out of range it saturates; a missing key gives the default rounded to six digits.
TEST_F(IniFileTest, FloatTakesTheClassicNumberAtTheStart) {
    IniFile ini = withText(
        "[S]\nComma=0,5\nExponent=1e-2\nText=abc\nSigned=-2.5xyz\nPlusPoint=+.5\nBareExponent=1e\n"
        "SignedBareExponent=1e+\nPointOnly=.e5\nSignOnly=-\nUpper=3.25E2\nTab=\t7.5\nHalf=0.5\n"
        "Digits=1234567890123456789012345\nTiny=1e-999\nHuge=1e999\nNegativeHuge=-1e60\n");
    const std::locale previous = std::locale::global(
        std::locale(std::locale(std::locale::classic(), new CommaDecimals<wchar_t>), new CommaDecimals<char>));
    const std::pair<const wchar_t*, float> present[] = {
        {L"Comma", 0.0f}, {L"Exponent", 0.01f}, {L"Text", 0.0f}, {L"Signed", -2.5f}, {L"PlusPoint", 0.5f},
        {L"BareExponent", 1.0f}, {L"SignedBareExponent", 1.0f}, {L"PointOnly", 0.0f}, {L"SignOnly", 0.0f},
        {L"Upper", 325.0f}, {L"Tab", 7.5f}, {L"Half", 0.5f}, {L"Digits", 1.23456789012345678e21f}, {L"Tiny", 0.0f}};
    for (const auto& [key, expected] : present) EXPECT_FLOAT_EQ(ini.readFloat(L"S", key, 9.0f), expected) << key;
    EXPECT_EQ(ini.readFloat(L"S", L"Huge", 0.0f), HUGE_VALF);
    EXPECT_EQ(ini.readFloat(L"S", L"NegativeHuge", 0.0f), -HUGE_VALF);
    const std::pair<float, float> defaults[] = {
        {1.0f / 3.0f, 0.333333f}, {1234567.0f, 1234570.0f}, {0.004f, 0.004f}, {-0.25f, -0.25f}, {0.75f, 0.75f}};
    for (const auto& [fallback, expected] : defaults) EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Missing", fallback), expected);
    ini.writeInt(L"S", L"Big", -1234567);
    EXPECT_EQ(ini.readString(L"S", L"Big"), L"-1234567");
    std::locale::global(previous);
}

TEST_F(IniFileTest, WritesRoundTripAndKeepOtherLines) {
    IniFile ini = withText("; comment\n[S]\nKeep=yes\n[Other]\nA=1\n");
    ini.writeBool(L"S", L"On", true);
    ini.writeBool(L"S", L"Off", false);
    ini.writeInt(L"New", L"Count", 42);
    ini.writeBool(L"S", L"Off", false);  // replaces, does not add a second key
    EXPECT_EQ(readText(folder / "Test.ini"), "; comment\n[S]\nKeep=yes\nOn=1\nOff=0\n[Other]\nA=1\n[New]\nCount=42\n");
}
