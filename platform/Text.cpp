// Conversion between the game's wide strings and UTF-8, and the case folding that file and INI
// names are compared with.
//
// wchar_t is 32 bits on Linux (one code point per element) and 16 bits on Windows (UTF-16 with
// surrogate pairs); the code below works with either. Decoding never fails: a byte that does not
// start a well-formed UTF-8 sequence stands for itself as a Latin-1 character, so files written by
// older tools in a Windows code page stay readable.
#include "platform/IniDocument.h"
#include "platform/TextCase.h"
#include "platform/Platform.h"

#include <type_traits>

namespace platform {
namespace {

constexpr char32_t replacementCharacter = 0xFFFD;
constexpr bool wideIsUtf16 = sizeof(wchar_t) == 2;

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool isScalarValue(char32_t c) { return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF); }

char32_t unitValue(wchar_t unit) {
    return static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(unit));
}

// The code point starting at text[i]; a surrogate pair counts as one (so UTF-16 data carried in a
// 32-bit string still converts), anything that is not a scalar value becomes U+FFFD.
char32_t nextCodePoint(const std::wstring& text, size_t& i) {
    char32_t c = unitValue(text[i++]);
    if (isHighSurrogate(c) && i < text.size() && isLowSurrogate(unitValue(text[i]))) {
        char32_t low = unitValue(text[i++]);
        return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
    return isScalarValue(c) ? c : replacementCharacter;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendWide(std::wstring& out, char32_t c) {
    if (wideIsUtf16 && c >= 0x10000) {
        c -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (c >> 10));
        out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
    } else {
        out += static_cast<wchar_t>(c);
    }
}

unsigned char byteAt(const std::string& text, size_t i) { return static_cast<unsigned char>(text[i]); }

// Length of the sequence announced by a lead byte and the smallest code point it may carry
// (anything below is an overlong form); length 0 for a byte that cannot lead.
size_t sequenceLength(unsigned char lead, char32_t& minimum, char32_t& bits) {
    if (lead >= 0xC2 && lead <= 0xDF) { minimum = 0x80; bits = lead & 0x1F; return 2; }
    if (lead >= 0xE0 && lead <= 0xEF) { minimum = 0x800; bits = lead & 0x0F; return 3; }
    if (lead >= 0xF0 && lead <= 0xF4) { minimum = 0x10000; bits = lead & 0x07; return 4; }
    return 0;
}

// The well-formed multi-byte sequence at text[i], if there is one: its length, and the code point.
size_t decodeSequence(const std::string& text, size_t i, char32_t& codePoint) {
    char32_t minimum = 0, value = 0;
    size_t length = sequenceLength(byteAt(text, i), minimum, value);
    if (length == 0 || i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        unsigned char next = byteAt(text, i + k);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || !isScalarValue(value)) return 0;
    codePoint = value;
    return length;
}

}  // namespace

std::string toUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) appendUtf8(out, nextCodePoint(text, i));
    return out;
}

std::wstring fromUtf8(const std::string& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t codePoint = 0;
        size_t length = byteAt(text, i) < 0x80 ? 0 : decodeSequence(text, i, codePoint);
        if (length == 0) {
            codePoint = byteAt(text, i);  // ASCII, or a stray byte read as Latin-1
            length = 1;
        }
        appendWide(out, codePoint);
        i += length;
    }
    return out;
}

// Simple one-to-one folding to lower case for the scripts names are likely to use: Basic Latin,
// Latin-1, Latin Extended-A, Greek, Cyrillic and the full-width Latin letters. Characters outside
// these ranges compare exactly.
wchar_t foldCase(wchar_t unit) {
    char32_t c = unitValue(unit);
    auto shifted = [&](char32_t offset) { return static_cast<wchar_t>(c + offset); };
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? shifted(32) : unit;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return shifted(32);
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x178) return static_cast<wchar_t>(0xFF);
        bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        bool evenUpper = (c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
        if ((oddUpper && c % 2 == 1) || (evenUpper && c % 2 == 0)) return shifted(1);
        return unit;
    }
    if (c == 0x386) return static_cast<wchar_t>(0x3AC);
    if (c >= 0x388 && c <= 0x38A) return shifted(37);
    if (c == 0x38C) return static_cast<wchar_t>(0x3CC);
    if (c == 0x38E || c == 0x38F) return shifted(63);
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return shifted(32);
    if (c >= 0x400 && c <= 0x40F) return shifted(80);
    if (c >= 0x410 && c <= 0x42F) return shifted(32);
    if (c >= 0xFF21 && c <= 0xFF3A) return shifted(32);
    return unit;
}

bool equalIgnoringCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    return true;
}

}  // namespace platform
