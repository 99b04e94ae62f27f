// Wide <-> UTF-8 conversion and the case folding used for file and INI names.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/Platform.h"
#include "platform/TextCase.h"

using platform::fromUtf8;
using platform::toUtf8;

TEST(Text, RoundTripsEveryEncodingLength) {
    std::wstring text;
    for (char32_t c : {0x0u, 0x41u, 0x7Fu, 0x80u, 0xE9u, 0x7FFu, 0x800u, 0x20ACu, 0xFFFDu, 0xFFFFu, 0x10000u, 0x1F600u,
                       0x10FFFFu}) {
        if (sizeof(wchar_t) == 2 && c >= 0x10000) {
            text += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<wchar_t>(c);
        }
    }
    std::string bytes = toUtf8(text);
    EXPECT_EQ(fromUtf8(bytes), text);
    EXPECT_EQ(toUtf8(L"\u00E9\u20AC"), "\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(bytes.size(), 1u + 1 + 1 + 2 + 2 + 2 + 3 + 3 + 3 + 3 + 4 + 4 + 4);
}

TEST(Text, InvalidBytesReadAsLatin1) {
    EXPECT_EQ(fromUtf8("caf\xE9"), L"caf\u00E9");                         // a Latin-1 file
    EXPECT_EQ(fromUtf8("\x80x"), L"\u0080x");                              // stray continuation byte
    EXPECT_EQ(fromUtf8("\xE2\x82"), L"\u00E2\u0082");                      // sequence cut short
    EXPECT_EQ(fromUtf8("\xE2\x82x"), L"\u00E2\u0082x");                    // interrupted sequence
    EXPECT_EQ(fromUtf8("\xC0\xAF"), L"\u00C0\u00AF");                      // overlong '/'
    EXPECT_EQ(fromUtf8("\xE0\x80\xAF"), L"\u00E0\u0080\u00AF");            // overlong '/', 3 bytes
    EXPECT_EQ(fromUtf8("\xF0\x8F\xBF\xBF"), L"\u00F0\u008F\u00BF\u00BF");  // overlong U+FFFF
    EXPECT_EQ(fromUtf8("\xED\xA0\x80"), L"\u00ED\u00A0\u0080");            // encoded surrogate
    EXPECT_EQ(fromUtf8("\xF4\x90\x80\x80"), L"\u00F4\u0090\u0080\u0080");  // beyond U+10FFFF
    EXPECT_EQ(fromUtf8("\xFF\xE2\x82\xAC"), L"\u00FF\u20AC");              // valid text resumes
}

TEST(Text, UnencodableWideValuesBecomeReplacementCharacter) {
    EXPECT_EQ(toUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8(std::wstring(1, static_cast<wchar_t>(0xDC00)) + L"a"), "\xEF\xBF\xBD" "a");
    EXPECT_EQ(toUtf8({static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)}), "\xF0\x9F\x98\x80");  // a pair
    if (sizeof(wchar_t) == 4) {
        EXPECT_EQ(toUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), "\xEF\xBF\xBD");
        EXPECT_EQ(toUtf8(std::wstring(1, static_cast<wchar_t>(-1))), "\xEF\xBF\xBD");
    }
    // Whatever the bytes, decoding gives text that survives a further round trip unchanged.
    std::mt19937 random(1234);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 24, '\0');
        for (char& b : bytes) b = static_cast<char>(random() % 4 == 0 ? 0x80 | (random() % 0x80) : random());
        ASSERT_EQ(fromUtf8(toUtf8(fromUtf8(bytes))), fromUtf8(bytes)) << testing::PrintToString(bytes);
    }
}

TEST(Text, NamesCompareWithoutRegardToCase) {
    using platform::equalIgnoringCase;
    EXPECT_TRUE(equalIgnoringCase(L"Settings.ini", L"SETTINGS.INI"));
    EXPECT_TRUE(equalIgnoringCase(L"\u00C4rger \u00D6l", L"\u00E4rger \u00F6L"));  // Latin-1
    EXPECT_TRUE(equalIgnoringCase(L"\u017D\u0139", L"\u017E\u013A"));              // Latin Ext-A
    EXPECT_TRUE(equalIgnoringCase(L"\u0394\u0388", L"\u03B4\u03AD"));              // Greek
    EXPECT_TRUE(equalIgnoringCase(L"\u0416\u0401", L"\u0436\u0451"));              // Cyrillic
    EXPECT_FALSE(equalIgnoringCase(L"\u00D7", L"\u00F7"));  // multiplication and division signs
    EXPECT_FALSE(equalIgnoringCase(L"Level1", L"Level1 "));
    EXPECT_FALSE(equalIgnoringCase(L"[", L"{"));
}
