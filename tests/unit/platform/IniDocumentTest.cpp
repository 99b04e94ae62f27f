// The INI format in memory: what reads as a key, what a write changes, and that nothing else moves.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/IniDocument.h"

using platform::IniDocument;
using platform::IniEncoding;

namespace {

IniDocument parsed(const std::string& bytes) {
    return IniDocument(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

std::string text(const IniDocument& document) {
    std::vector<uint8_t> bytes = document.bytes();
    return std::string(bytes.begin(), bytes.end());
}

// Found value, or "<missing>".
std::wstring lookup(const IniDocument& document, const std::wstring& section, const std::wstring& key) {
    std::wstring value;
    return document.find(section, key, value) ? value : L"<missing>";
}

std::string utf16(const std::wstring& source, bool littleEndian) {
    std::string out;
    for (wchar_t c : source) {
        char high = static_cast<char>((c >> 8) & 0xFF), low = static_cast<char>(c & 0xFF);
        out += littleEndian ? low : high;
        out += littleEndian ? high : low;
    }
    return out;
}

}  // namespace

TEST(IniDocument, SectionsAndKeysMatchWithoutRegardToCase) {
    IniDocument document = parsed("[System]\r\nWidth=800\r\n[Game]\r\nwidth = 5\r\n");
    EXPECT_EQ(lookup(document, L"system", L"WIDTH"), L"800");
    EXPECT_EQ(lookup(document, L"GAME", L"Width"), L"5");
    EXPECT_EQ(lookup(document, L"Game", L"Height"), L"<missing>");
    EXPECT_EQ(lookup(document, L"Other", L"Width"), L"<missing>");
}

TEST(IniDocument, ValueIsTrimmedTextAfterFirstEquals) {
    IniDocument document = parsed(
        "[S]\n"
        "k =  a = b \t\n"
        "empty=\n"
        "  spaced key \t= v\n"
        "=orphan\n"
        "quoted=\"x\" ;not a comment\n");
    EXPECT_EQ(lookup(document, L"S", L"k"), L"a = b");
    EXPECT_EQ(lookup(document, L"S", L"empty"), L"");
    EXPECT_EQ(lookup(document, L"S", L"spaced key"), L"v");
    EXPECT_EQ(lookup(document, L"S", L""), L"<missing>");
    EXPECT_EQ(lookup(document, L"S", L"quoted"), L"\"x\" ;not a comment");
}

TEST(IniDocument, CommentsHeadersAndBareLinesAreNotKeys) {
    IniDocument document = parsed(
        "a=0\n"
        "[S]\n"
        "; k=1\n"
        "   ;indented=2\n"
        "bare line\n"
        "[ Spaced Name ]  trailing junk\n"
        "x=3\n"
        "[Unclosed\n"
        "y=4\n");
    EXPECT_EQ(lookup(document, L"", L"a"), L"0");  // before any section
    EXPECT_EQ(lookup(document, L"S", L"a"), L"<missing>");
    EXPECT_EQ(lookup(document, L"S", L"; k"), L"<missing>");
    EXPECT_EQ(lookup(document, L"S", L";indented"), L"<missing>");
    EXPECT_EQ(lookup(document, L"S", L"bare line"), L"<missing>");
    EXPECT_EQ(lookup(document, L"spaced name", L"X"), L"3");
    EXPECT_EQ(lookup(document, L"Unclosed", L"y"), L"<missing>");  // not a header...
    EXPECT_EQ(lookup(document, L"Spaced Name", L"y"), L"4");       // ...so y stays where it is
}

TEST(IniDocument, FirstDuplicateIsReadAndWritten) {
    IniDocument document = parsed("[S]\nk=1\nK=2\n[s]\nk=3\nj=4\n");
    EXPECT_EQ(lookup(document, L"S", L"k"), L"1");
    EXPECT_EQ(lookup(document, L"S", L"j"), L"<missing>");
    ASSERT_TRUE(document.set(L"s", L"K", L"9"));
    ASSERT_TRUE(document.set(L"S", L"j", L"5"));
    EXPECT_EQ(text(document), "[S]\nk=9\nK=2\nj=5\n[s]\nk=3\nj=4\n");
    EXPECT_EQ(lookup(document, L"S", L"j"), L"5");
}

TEST(IniDocument, AcceptsEveryLineEndingAndKeepsTheFilesStyle) {
    IniDocument classicMac = parsed("[S]\rk=1\rj=2");
    EXPECT_EQ(lookup(classicMac, L"S", L"j"), L"2");  // last line without a line break
    ASSERT_TRUE(classicMac.set(L"S", L"n", L"3"));
    EXPECT_EQ(text(classicMac), "[S]\rk=1\rj=2\rn=3\r");

    IniDocument mixed = parsed("[A]\na=1\r\n[B]\rb=2\r\n");
    EXPECT_EQ(lookup(mixed, L"A", L"a"), L"1");
    EXPECT_EQ(lookup(mixed, L"B", L"b"), L"2");
    ASSERT_TRUE(mixed.set(L"C", L"c", L"3"));
    EXPECT_EQ(text(mixed), "[A]\na=1\r\n[B]\rb=2\r\n[C]\nc=3\n");  // the first ending sets the style

    IniDocument fresh;
    ASSERT_TRUE(fresh.set(L"System", L"Width", L"800"));
    EXPECT_EQ(text(fresh), "[System]\r\nWidth=800\r\n");
}

TEST(IniDocument, WriteLeavesEveryOtherByteAlone) {
    std::string longLine(10000, 'x');
    const std::string before =
        "; settings\r\n"
        "junk \x01\x02\xFF line\r\n"
        "[Game]   \r\n"
        "\tName  =  M\xFCller  \r\n"   // Latin-1 bytes, odd spacing
        "nul=a" + std::string(1, '\0') + "b\r\n" +
        longLine + "\r\n"
        "  Level  =  3  ; last\r\n"
        "\r\n"
        "; about the next section\r\n"
        "[Other]\r\n"
        "z=1";
    IniDocument document = parsed(before);
    EXPECT_EQ(lookup(document, L"game", L"name"), L"M\u00FCller");
    EXPECT_EQ(lookup(document, L"game", L"nul"), std::wstring(L"a") + L'\0' + L"b");
    ASSERT_TRUE(document.set(L"GAME", L"level", L"4"));    // replaced, key spelling and blanks kept
    ASSERT_TRUE(document.set(L"Game", L"Added", L"new"));  // after the last key of the section
    ASSERT_TRUE(document.set(L"Other", L"y", L"2"));       // the last line gets its break first
    ASSERT_TRUE(document.set(L"Third", L"t", L"\u00E9"));  // new text is UTF-8
    const std::string after =
        "; settings\r\n"
        "junk \x01\x02\xFF line\r\n"
        "[Game]   \r\n"
        "\tName  =  M\xFCller  \r\n"
        "nul=a" + std::string(1, '\0') + "b\r\n" +
        longLine + "\r\n"
        "  Level  =  4\r\n"
        "Added=new\r\n"
        "\r\n"
        "; about the next section\r\n"
        "[Other]\r\n"
        "z=1\r\n"
        "y=2\r\n"
        "[Third]\r\n"
        "t=\xC3\xA9\r\n";
    EXPECT_EQ(text(document), after);
}

TEST(IniDocument, KeyOfAnEmptySectionGoesRightBelowItsHeader) {
    IniDocument document = parsed("[A]\n; nothing yet\n[B]\nb=1\n");
    ASSERT_TRUE(document.set(L"A", L"a", L"1"));
    EXPECT_EQ(text(document), "[A]\na=1\n; nothing yet\n[B]\nb=1\n");
    IniDocument headerOnly = parsed("[A]");
    ASSERT_TRUE(headerOnly.set(L"A", L"a", L"1"));
    EXPECT_EQ(text(headerOnly), "[A]\r\na=1\r\n");
}

TEST(IniDocument, KeepsUtf8ByteOrderMark) {
    IniDocument document = parsed("\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC\n");
    EXPECT_EQ(lookup(document, L"S", L"k"), L"\u20AC");
    ASSERT_TRUE(document.set(L"S", L"j", L"1"));
    EXPECT_EQ(text(document), "\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC\nj=1\n");
}

TEST(IniDocument, ReadsAndWritesUtf16InBothByteOrders) {
    for (bool littleEndian : {true, false}) {
        SCOPED_TRACE(littleEndian ? "little endian" : "big endian");
        std::string bom = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
        IniDocument document = parsed(bom + utf16(L"; c\u00E9\r\n[S\u00E9]\r\nk = \u20AC1 \r\n", littleEndian));
        EXPECT_EQ(document.encoding(), littleEndian ? IniEncoding::Utf16LE : IniEncoding::Utf16BE);
        EXPECT_EQ(lookup(document, L"s\u00C9", L"K"), L"\u20AC1");
        ASSERT_TRUE(document.set(L"S\u00E9", L"k", L"2"));
        ASSERT_TRUE(document.set(L"T", L"n", L"\u00FC"));
        EXPECT_EQ(text(document),
                  bom + utf16(L"; c\u00E9\r\n[S\u00E9]\r\nk = 2\r\n[T]\r\nn=\u00FC\r\n", littleEndian));
    }
}

TEST(IniDocument, Utf16KeepsSurrogatePairsAndADanglingByte) {
    std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    std::string file = "\xFF\xFE" + utf16(L"[S]\nk=" + pair + L"\n", true) + "\x41";
    IniDocument document = parsed(file);
    std::wstring expected = sizeof(wchar_t) == 4 ? std::wstring(1, static_cast<wchar_t>(0x1F600)) : pair;
    EXPECT_EQ(lookup(document, L"S", L"k"), expected);
    EXPECT_EQ(text(document), file);
    ASSERT_TRUE(document.set(L"S", L"j", expected));
    EXPECT_EQ(text(document), "\xFF\xFE" + utf16(L"[S]\nk=" + pair + L"\nj=" + pair + L"\n", true) + "\x41");
}

TEST(IniDocument, FileOfOnlyAByteOrderMark) {
    for (std::string bom : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        IniDocument document = parsed(bom);
        EXPECT_EQ(lookup(document, L"", L""), L"<missing>");
        EXPECT_EQ(text(document), bom);
        ASSERT_TRUE(document.set(L"S", L"k", L"v"));
        EXPECT_EQ(lookup(document, L"S", L"k"), L"v");
        EXPECT_EQ(text(document).substr(0, bom.size()), bom);
    }
}

TEST(IniDocument, RefusesNamesThatWouldNotReadBack) {
    const std::string original = "[S]\nk=1\n";
    IniDocument document = parsed(original);
    EXPECT_FALSE(document.set(L"", L"k", L"v"));
    EXPECT_FALSE(document.set(L"  ", L"k", L"v"));
    EXPECT_FALSE(document.set(L"S", L"", L"v"));
    EXPECT_FALSE(document.set(L"a]b", L"k", L"v"));
    EXPECT_FALSE(document.set(L"S\n[T]", L"k", L"v"));
    EXPECT_FALSE(document.set(L"S", L"a=b", L"v"));
    EXPECT_FALSE(document.set(L"S", L";k", L"v"));
    EXPECT_FALSE(document.set(L"S", L"[k", L"v"));
    EXPECT_FALSE(document.set(L"S", L"k", L"1\r\nevil=1"));
    EXPECT_EQ(text(document), original);
    EXPECT_TRUE(document.set(L" S ", L" k ", L" 2 "));  // names are trimmed like the file's
    EXPECT_EQ(lookup(document, L"S", L"k"), L"2");
}

// Random files built from the characters that carry structure: reading never changes a byte,
// and a written value always reads back.
TEST(IniDocument, ArbitraryBytesSurviveAndWritesReadBack) {
    const std::vector<std::string> pieces = {"[", "]", "=", ";", "s", "S", "k", "K", " ", "\t", "\r",
                                             "\n", std::string(1, '\0'), "\xFF", "\xFE", "\xE9",
                                             "\xEF\xBB\xBF", "\xC3\xA9", "x"};
    std::mt19937 random(99);
    for (int round = 0; round < 4000; ++round) {
        std::string file;
        for (int n = random() % 40; n > 0; --n) file += pieces[random() % pieces.size()];
        IniDocument document = parsed(file);
        ASSERT_EQ(text(document), file);
        std::wstring value;
        document.find(L"S", L"k", value);
        ASSERT_TRUE(document.set(L"s", L"K", L"v"));
        ASSERT_EQ(lookup(document, L"S", L"k"), L"v") << "file: " << testing::PrintToString(file);
        ASSERT_EQ(lookup(parsed(text(document)), L"S", L"k"), L"v");
    }
}
