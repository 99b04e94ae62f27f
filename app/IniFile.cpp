// Typed reads and writes on top of the profile-string service. The buffer sizes and parsing rules
// are part of what the data files rely on: a bool is false only for a leading '0', strings stop at
// 99 characters, floats are read as the longest classic-locale number at the start of the value.
#include "app/IniFile.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

#include "platform/Platform.h"

namespace {

constexpr size_t boolBufferChars = 10;
constexpr size_t stringBufferChars = 100;
constexpr size_t floatBufferChars = 23;

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

size_t skipDigits(const std::wstring& text, size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

// Length of the unsigned decimal number at `start` (digits, optional fraction, optional exponent
// that counts only when digits follow it); 0 when no digit comes before the first unfit character.
size_t numberLength(const std::wstring& text, size_t start) {
    size_t i = skipDigits(text, start);
    bool digits = i > start;
    if (i < text.size() && text[i] == L'.') {
        size_t afterPoint = skipDigits(text, i + 1);
        digits = digits || afterPoint > i + 1;
        i = afterPoint;
    }
    if (!digits) return 0;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) ++j;
        size_t end = skipDigits(text, j);
        if (end > j) i = end;
    }
    return i - start;
}

// An exponent too large for a double overflows to infinity, too small underflows to zero, as the
// C library's conversion does.
double outOfRange(const std::string& number) {
    size_t e = number.find_first_of("eE");
    bool negativeExponent = e != std::string::npos && e + 1 < number.size() && number[e + 1] == '-';
    return negativeExponent ? 0.0 : HUGE_VAL;
}

// Classic-locale conversion of the number at the start of `text`, independent of the process
// locale: leading blanks, optional sign, digits with '.', optional exponent. No number gives 0.
double parseLeadingNumber(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    size_t length = numberLength(text, i);
    if (length == 0) return 0.0;
    std::string number(text.begin() + i, text.begin() + i + length);  // ASCII only by construction
    double value = 0.0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                  std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) value = outOfRange(number);
    return negative ? -value : value;
}

// Beyond the float range the result is infinity of the same sign (spelled out: a plain narrowing
// of such a double is not defined by the language).
float narrowToFloat(double value) {
    if (value > std::numeric_limits<float>::max()) return std::numeric_limits<float>::infinity();
    if (value < -std::numeric_limits<float>::max()) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

template <typename T>
std::wstring classicText(T value) {
    std::wostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

}  // namespace

int IniFile::readInt(const std::wstring& section, const std::wstring& key, int fallback) const {
    return platform::profileInt(path_, section, key, fallback);
}

bool IniFile::readBool(const std::wstring& section, const std::wstring& key, bool fallback) const {
    std::wstring text =
        platform::profileString(path_, section, key, fallback ? L"1" : L"0", boolBufferChars);
    return text.empty() || text[0] != L'0';
}

std::wstring IniFile::readString(const std::wstring& section, const std::wstring& key) const {
    return platform::profileString(path_, section, key, L"", stringBufferChars);
}

float IniFile::readFloat(const std::wstring& section, const std::wstring& key, float fallback) const {
    std::wstring text =
        platform::profileString(path_, section, key, classicText(fallback), floatBufferChars);
    return narrowToFloat(parseLeadingNumber(text));
}

void IniFile::writeInt(const std::wstring& section, const std::wstring& key, int value) const {
    platform::writeProfileString(path_, section, key, classicText(value));
}

void IniFile::writeBool(const std::wstring& section, const std::wstring& key, bool value) const {
    platform::writeProfileString(path_, section, key, value ? L"1" : L"0");
}
