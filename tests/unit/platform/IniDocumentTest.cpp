// The INI format in memory: what reads as a key, what a write changes, and that nothing else moves.
// (The INI fuzz target, replayed by every build, checks on arbitrary bytes that reading changes no
// byte and that a written value reads back.)
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/IniDocument.h"

using platform::IniDocument;

namespace {

IniDocument parsed(const std::string& bytes) { return IniDocument(std::vector<uint8_t>(bytes.begin(), bytes.end())); }

std::string text(const IniDocument& document) {
    std::vector<uint8_t> bytes = document.bytes();
    return std::string(bytes.begin(), bytes.end());
}

const std::wstring missing = L"<missing>";

std::wstring lookup(const IniDocument& document, const std::wstring& section, const std::wstring& key) {
    std::wstring value;
    return document.find(section, key, value) ? value : missing;
}

std::string utf16(const std::wstring& source, bool littleEndian) {
    std::string out;
    for (wchar_t c : source) {
        char high = static_cast<char>((c >> 8) & 0xFF), low = static_cast<char>(c & 0xFF);
        out += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return out;
}

const std::string nul(1, '\0');

// UTF-16 files: a key in both byte orders, and a surrogate pair with a dangling odd byte after it.
const std::wstring wideText = L"; c\u00E9\r\n[S\u00E9]\r\nk = \u20AC1 \r\n";
const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
const std::wstring single = sizeof(wchar_t) == 4 ? std::wstring(1, static_cast<wchar_t>(0x1F600)) : pair;
const std::string paired = "\xFF\xFE" + utf16(L"[S]\nk=" + pair + L"\n", true) + "\x41";

}  // namespace

TEST(IniDocument, FindsWhatTheFileSays) {
    const std::string names = "[System]\r\nWidth=800\r\n[Game]\r\nwidth = 5\r\n";
    const std::string values = "[S]\nk =  a = b \t\nempty=\n  spaced key \t= v\n=orphan\nquoted=\"x\" ;not a comment\n";
    const std::string lines = "a=0\n[S]\n; k=1\n   ;indented=2\nbare line\n[ Spaced Name ]  trailing junk\nx=3\n"
                              "[Unclosed\ny=4\n";
    const std::string duplicates = "[S]\nk=1\nK=2\n[s]\nk=3\nj=4\n";
    const std::string odd = "[Game]   \r\n\tName  =  M\xFCller  \r\nnul=a" + nul + "b\r\n";
    const std::string wideLE = "\xFF\xFE" + utf16(wideText, true), wideBE = "\xFE\xFF" + utf16(wideText, false);
    const std::tuple<std::string, std::wstring, std::wstring, std::wstring> rows[] = {  // file, section, key, value
        {names, L"system", L"WIDTH", L"800"},  // names in any case
        {names, L"GAME", L"Width", L"5"},
        {names, L"Game", L"Height", missing},
        {names, L"Other", L"Width", missing},
        {values, L"S", L"k", L"a = b"},  // the trimmed text after the first "="
        {values, L"S", L"empty", L""},
        {values, L"S", L"spaced key", L"v"},
        {values, L"S", L"", missing},
        {values, L"S", L"quoted", L"\"x\" ;not a comment"},
        {lines, L"", L"a", L"0"},  // before any section
        {lines, L"S", L"a", missing},
        {lines, L"S", L"; k", missing},
        {lines, L"S", L";indented", missing},
        {lines, L"S", L"bare line", missing},
        {lines, L"spaced name", L"X", L"3"},
        {lines, L"Unclosed", L"y", missing},  // not a header...
        {lines, L"Spaced Name", L"y", L"4"},  // ...so y stays where it is
        {duplicates, L"S", L"k", L"1"},  // the first of each counts
        {duplicates, L"S", L"j", missing},
        {"[S]\rk=1\rj=2", L"S", L"j", L"2"},  // classic Mac, last line without a break
        {"[A]\na=1\r\n[B]\rb=2\r\n", L"B", L"b", L"2"},
        {"\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC\n", L"S", L"k", L"\u20AC"},
        {odd, L"game", L"name", L"M\u00FCller"},  // Latin-1 bytes
        {odd, L"game", L"nul", std::wstring(L"a") + L'\0' + L"b"},
        {wideLE, L"s\u00C9", L"K", L"\u20AC1"},
        {wideBE, L"s\u00C9", L"K", L"\u20AC1"},
        {paired, L"S", L"k", single},
        {"\xEF\xBB\xBF", L"", L"", missing},
        {"\xFF\xFE", L"", L"", missing},
    };
    for (const auto& [file, section, key, expected] : rows) {
        EXPECT_EQ(lookup(parsed(file), section, key), expected)
            << testing::PrintToString(file) << " " << testing::PrintToString(section) << " " << testing::PrintToString(key);
    }
}

// Each row: a file, the writes made to it in order (whether each is accepted), the bytes after.
TEST(IniDocument, WritesChangeOnlyTheirLine) {
    struct Write {
        std::wstring section, key, value;
        bool accepted = true;
    };
    const std::string longLine(10000, 'x');
    const std::string kept = "; settings\r\njunk \x01\x02\xFF line\r\n[Game]   \r\n\tName  =  M\xFCller  \r\nnul=a" +
                             nul + "b\r\n" + longLine + "\r\n";
    const std::tuple<std::string, std::vector<Write>, std::string> rows[] = {
        {"[S]\nk=1\nK=2\n[s]\nk=3\nj=4\n", {{L"s", L"K", L"9"}, {L"S", L"j", L"5"}},
         "[S]\nk=9\nK=2\nj=5\n[s]\nk=3\nj=4\n"},  // the first duplicate is written
        {"[S]\rk=1\rj=2", {{L"S", L"n", L"3"}}, "[S]\rk=1\rj=2\rn=3\r"},  // the file's line ending
        {"[A]\na=1\r\n[B]\rb=2\r\n", {{L"C", L"c", L"3"}}, "[A]\na=1\r\n[B]\rb=2\r\n[C]\nc=3\n"},
        {"", {{L"System", L"Width", L"800"}}, "[System]\r\nWidth=800\r\n"},  // a new file: CRLF
        {kept + "  Level  =  3  ; last\r\n\r\n; about the next section\r\n[Other]\r\nz=1",
         {{L"GAME", L"level", L"4"},      // replaced, key spelling and blanks kept
          {L"Game", L"Added", L"new"},    // after the last key of the section
          {L"Other", L"y", L"2"},         // the last line gets its break first
          {L"Third", L"t", L"\u00E9"}},   // new text is UTF-8
         kept + "  Level  =  4\r\nAdded=new\r\n\r\n; about the next section\r\n[Other]\r\nz=1\r\ny=2\r\n"
                "[Third]\r\nt=\xC3\xA9\r\n"},
        {"[A]\n; nothing yet\n[B]\nb=1\n", {{L"A", L"a", L"1"}}, "[A]\na=1\n; nothing yet\n[B]\nb=1\n"},
        {"[A]", {{L"A", L"a", L"1"}}, "[A]\r\na=1\r\n"},
        {"\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC\n", {{L"S", L"j", L"1"}}, "\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC\nj=1\n"},
        {"\xEF\xBB\xBF", {{L"S", L"k", L"v"}}, "\xEF\xBB\xBF[S]\r\nk=v\r\n"},
        {"\xFF\xFE", {{L"S", L"k", L"v"}}, "\xFF\xFE" + utf16(L"[S]\r\nk=v\r\n", true)},
        {"\xFF\xFE" + utf16(wideText, true), {{L"S\u00E9", L"k", L"2"}, {L"T", L"n", L"\u00FC"}},
         "\xFF\xFE" + utf16(L"; c\u00E9\r\n[S\u00E9]\r\nk = 2\r\n[T]\r\nn=\u00FC\r\n", true)},
        {"\xFE\xFF" + utf16(wideText, false), {{L"S\u00E9", L"k", L"2"}, {L"T", L"n", L"\u00FC"}},
         "\xFE\xFF" + utf16(L"; c\u00E9\r\n[S\u00E9]\r\nk = 2\r\n[T]\r\nn=\u00FC\r\n", false)},
        {paired, {{L"S", L"j", single}}, "\xFF\xFE" + utf16(L"[S]\nk=" + pair + L"\nj=" + pair + L"\n", true) + "\x41"},
        {"\xFE\xFF", {{L"S", L"k", L"v"}}, "\xFE\xFF" + utf16(L"[S]\r\nk=v\r\n", false)},
        // Names that would not read back are refused and change nothing; names are trimmed.
        {"[S]\nk=1\n",
         {{L"", L"k", L"v", false}, {L"  ", L"k", L"v", false}, {L"S", L"", L"v", false},
          {L"a]b", L"k", L"v", false}, {L"S\n[T]", L"k", L"v", false}, {L"S", L"a=b", L"v", false},
          {L"S", L";k", L"v", false}, {L"S", L"[k", L"v", false}, {L"S", L"k", L"1\r\nevil=1", false},
          {L" S ", L" k ", L" 2 "}},
         "[S]\nk= 2 \n"},  // the value as given
    };
    for (const auto& [before, writes, after] : rows) {
        SCOPED_TRACE(testing::PrintToString(before));
        IniDocument document = parsed(before);
        EXPECT_EQ(text(document), before);
        for (const Write& write : writes)
            EXPECT_EQ(document.set(write.section, write.key, write.value), write.accepted) << testing::PrintToString(write.key);
        EXPECT_EQ(text(document), after);
    }
}
