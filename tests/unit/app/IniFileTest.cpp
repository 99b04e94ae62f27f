#include "app/IniFile.h"

#include <cmath>
#include <locale>
#include <string>

#include <gtest/gtest.h>

#include "TempFiles.h"

namespace {

class IniFileTest : public testing::Test {
protected:
    void SetUp() override { folder = testfiles::freshFolder(); }

    // Writes `lines` as the file's text and returns an accessor on it.
    IniFile withText(const std::string& lines) {
        testfiles::writeText(folder / "Test.ini", lines);
        return file();
    }
    IniFile file() const { return IniFile(testfiles::wide(folder / "Test.ini")); }

    std::filesystem::path folder;
};

// A global C++ locale that writes "1.234.567,5": nothing read or written may follow it.
struct CommaDecimals : std::numpunct<wchar_t> {
    wchar_t do_decimal_point() const override { return L','; }
    wchar_t do_thousands_sep() const override { return L'.'; }
    std::string do_grouping() const override { return "\3"; }
};
struct CommaDecimalsNarrow : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class GlobalLocaleGuard {
public:
    GlobalLocaleGuard()
        : previous_(std::locale::global(std::locale(
              std::locale(std::locale::classic(), new CommaDecimals), new CommaDecimalsNarrow))) {}
    ~GlobalLocaleGuard() { std::locale::global(previous_); }

private:
    std::locale previous_;
};

}  // namespace

TEST_F(IniFileTest, BoolIsFalseOnlyForLeadingZero) {
    IniFile ini = withText(
        "[S]\nEmpty=\nZero=0\nZeroZero=00\nZeroText=0abc\nOne=1\nYes=yes\nNo=no\nFalse=false\n"
        "Blank=   0\n");
    EXPECT_TRUE(ini.readBool(L"S", L"Empty", false));
    EXPECT_FALSE(ini.readBool(L"S", L"Zero", true));
    EXPECT_FALSE(ini.readBool(L"S", L"ZeroZero", true));
    EXPECT_FALSE(ini.readBool(L"S", L"ZeroText", true));
    EXPECT_FALSE(ini.readBool(L"S", L"Blank", true));  // surrounding blanks are not part of the value
    EXPECT_TRUE(ini.readBool(L"S", L"One", false));
    EXPECT_TRUE(ini.readBool(L"S", L"Yes", false));
    EXPECT_TRUE(ini.readBool(L"S", L"No", false));
    EXPECT_TRUE(ini.readBool(L"S", L"False", false));
}

TEST_F(IniFileTest, AbsentKeysSectionsAndFilesGiveDefaults) {
    IniFile ini = withText("[S]\nPresent=7\n");
    EXPECT_TRUE(ini.readBool(L"S", L"Missing", true));
    EXPECT_FALSE(ini.readBool(L"S", L"Missing", false));
    EXPECT_FALSE(ini.readBool(L"Other", L"Present", false));
    EXPECT_EQ(ini.readInt(L"S", L"Missing", -4), -4);
    EXPECT_EQ(ini.readString(L"S", L"Missing"), L"");
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Missing", 0.5f), 0.5f);

    IniFile nowhere(testfiles::wide(folder / "NoSuchFolder" / "None.ini"));
    EXPECT_EQ(nowhere.readInt(L"S", L"Present", 3), 3);
    EXPECT_TRUE(nowhere.readBool(L"S", L"Present", true));
    EXPECT_EQ(nowhere.readString(L"S", L"Present"), L"");
}

TEST_F(IniFileTest, StringIsCutAt99Characters) {
    std::string longValue(120, 'x');
    longValue[98] = 'y';
    longValue[99] = 'z';
    IniFile ini = withText("[S]\nLong=" + longValue + "\nExact=" + std::string(99, 'a') + "\n");
    std::wstring read = ini.readString(L"S", L"Long");
    ASSERT_EQ(read.size(), 99u);
    EXPECT_EQ(read.back(), L'y');
    EXPECT_EQ(ini.readString(L"S", L"Exact"), std::wstring(99, L'a'));
}

TEST_F(IniFileTest, FloatTakesTheClassicNumberAtTheStart) {
    IniFile ini = withText(
        "[S]\nComma=0,5\nExponent=1e-2\nText=abc\nSigned=-2.5xyz\nPlusPoint=+.5\n"
        "BareExponent=1e\nSignedBareExponent=1e+\nPointOnly=.e5\nSignOnly=-\nUpper=3.25E2\n"
        "Tab=\t7.5\n");
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Comma", 9.0f), 0.0f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Exponent", 9.0f), 0.01f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Text", 9.0f), 0.0f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Signed", 9.0f), -2.5f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"PlusPoint", 9.0f), 0.5f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"BareExponent", 9.0f), 1.0f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"SignedBareExponent", 9.0f), 1.0f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"PointOnly", 9.0f), 0.0f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"SignOnly", 9.0f), 0.0f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Upper", 9.0f), 325.0f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Tab", 9.0f), 7.5f);
}

TEST_F(IniFileTest, FloatSeesAt22CharactersAndSaturatesOutOfRange) {
    IniFile ini = withText(
        "[S]\nDigits=1234567890123456789012345\nHuge=1e999\nTiny=1e-999\nNegativeHuge=-1e60\n");
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Digits", 0.0f), 1.23456789012345678e21f);
    EXPECT_TRUE(std::isinf(ini.readFloat(L"S", L"Huge", 0.0f)));
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Tiny", 5.0f), 0.0f);
    float negativeHuge = ini.readFloat(L"S", L"NegativeHuge", 0.0f);
    EXPECT_TRUE(std::isinf(negativeHuge) && negativeHuge < 0.0f);
}

TEST_F(IniFileTest, FloatDefaultIsRoundedToSixDigits) {
    IniFile ini = withText("[S]\n");
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Missing", 1.0f / 3.0f), 0.333333f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Missing", 1234567.0f), 1234570.0f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Missing", 0.004f), 0.004f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Missing", -0.25f), -0.25f);
}

TEST_F(IniFileTest, NumbersIgnoreTheProcessLocale) {
    IniFile ini = withText("[S]\nHalf=0.5\n");
    GlobalLocaleGuard commaLocale;
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Half", 0.0f), 0.5f);
    EXPECT_FLOAT_EQ(ini.readFloat(L"S", L"Missing", 0.75f), 0.75f);
    ini.writeInt(L"S", L"Big", -1234567);
    EXPECT_EQ(ini.readString(L"S", L"Big"), L"-1234567");
}

TEST_F(IniFileTest, WritesRoundTripAndKeepOtherLines) {
    IniFile ini = withText("; comment\n[S]\nKeep=yes\n[Other]\nA=1\n");
    ini.writeBool(L"S", L"On", true);
    ini.writeBool(L"S", L"Off", false);
    ini.writeInt(L"New", L"Count", 42);
    EXPECT_TRUE(ini.readBool(L"S", L"On", false));
    EXPECT_FALSE(ini.readBool(L"S", L"Off", true));
    EXPECT_EQ(ini.readString(L"S", L"On"), L"1");
    EXPECT_EQ(ini.readString(L"S", L"Off"), L"0");
    EXPECT_EQ(ini.readInt(L"New", L"Count", 0), 42);
    EXPECT_EQ(ini.readString(L"S", L"Keep"), L"yes");
    EXPECT_EQ(ini.readInt(L"Other", L"A", 0), 1);
    EXPECT_NE(testfiles::readText(folder / "Test.ini").find("; comment"), std::string::npos);

    ini.writeBool(L"S", L"On", false);  // replaces, does not add a second key
    EXPECT_FALSE(ini.readBool(L"S", L"On", true));
}
