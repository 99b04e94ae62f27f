// Parsing, lookup, editing and serialising of an INI file in memory.
//
// Sections: code units of the three encodings | parsing | lookup | editing | serialising
//
// All structure (brackets, "=", ";", blanks, line breaks) is ASCII, so lines are split and
// classified by scanning code units (bytes in UTF-8, 16-bit units in UTF-16) without decoding;
// only names and values are decoded. That keeps every untouched byte exactly as it was.
#include "platform/IniDocument.h"
#include "platform/TextCase.h"

#include <type_traits>

#include "platform/Platform.h"

namespace platform {
namespace {

// ---- code units of the three encodings ---------------------------------------------------------

size_t unitBytes(IniEncoding encoding) { return encoding == IniEncoding::Utf8 ? 1 : 2; }

size_t unitCount(const std::string& raw, IniEncoding encoding) {
    return raw.size() / unitBytes(encoding);
}

char32_t unitAt(const std::string& raw, size_t i, IniEncoding encoding) {
    auto byte = [&](size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(raw[k])); };
    switch (encoding) {
    case IniEncoding::Utf16LE: return byte(2 * i) | (byte(2 * i + 1) << 8);
    case IniEncoding::Utf16BE: return (byte(2 * i) << 8) | byte(2 * i + 1);
    case IniEncoding::Utf8: break;
    }
    return byte(i);
}

bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// UTF-16 units [from, to) as a wide string: copied as they are where wchar_t is 16 bits, joined
// into code points where it is 32 bits (a lone surrogate there becomes U+FFFD).
std::wstring decodeUtf16(const std::string& raw, size_t from, size_t to, IniEncoding encoding) {
    std::wstring out;
    for (size_t i = from; i < to; ++i) {
        char32_t c = unitAt(raw, i, encoding);
        if (sizeof(wchar_t) == 4 && isSurrogate(c)) {
            char32_t low = i + 1 < to ? unitAt(raw, i + 1, encoding) : 0;
            bool pair = isHighSurrogate(c) && isLowSurrogate(low);
            c = pair ? 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00) : 0xFFFD;
            i += pair ? 1 : 0;
        }
        out += static_cast<wchar_t>(c);
    }
    return out;
}

std::wstring decodeUnits(const std::string& raw, size_t from, size_t to, IniEncoding encoding) {
    if (encoding == IniEncoding::Utf8) return fromUtf8(raw.substr(from, to - from));
    return decodeUtf16(raw, from, to, encoding);
}

void appendUtf16Unit(std::string& out, char32_t unit, IniEncoding encoding) {
    char high = static_cast<char>((unit >> 8) & 0xFF), low = static_cast<char>(unit & 0xFF);
    out += encoding == IniEncoding::Utf16LE ? low : high;
    out += encoding == IniEncoding::Utf16LE ? high : low;
}

std::string encodeUtf16(const std::wstring& text, IniEncoding encoding) {
    std::string out;
    for (wchar_t unit : text) {
        char32_t c = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(unit));
        if (sizeof(wchar_t) == 4 && (isSurrogate(c) || c > 0x10FFFF)) c = 0xFFFD;
        if (c >= 0x10000) {
            appendUtf16Unit(out, 0xD800 + ((c - 0x10000) >> 10), encoding);
            appendUtf16Unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), encoding);
        } else {
            appendUtf16Unit(out, c, encoding);
        }
    }
    return out;
}

bool isBlank(char32_t c) { return c == U' ' || c == U'\t'; }

std::wstring trimmed(const std::wstring& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(static_cast<char32_t>(text[begin]))) ++begin;
    while (end > begin && isBlank(static_cast<char32_t>(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

bool containsAny(const std::wstring& text, const wchar_t* characters) {
    return text.find_first_of(characters) != std::wstring::npos;
}

// Names and values that would read back as something else are refused rather than written.
bool writable(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    if (section.empty() || key.empty()) return false;
    if (containsAny(section, L"]\r\n") || containsAny(key, L"=\r\n") || containsAny(value, L"\r\n"))
        return false;
    return key[0] != L';' && key[0] != L'[';
}

}  // namespace

// ---- parsing ------------------------------------------------------------------------------------

IniDocument::IniDocument(const std::vector<uint8_t>& bytes) {
    std::string content(bytes.begin(), bytes.end());
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        byteOrderMark_ = content.substr(0, 3);
    } else if (content.compare(0, 2, "\xFF\xFE") == 0) {
        encoding_ = IniEncoding::Utf16LE;
        byteOrderMark_ = content.substr(0, 2);
    } else if (content.compare(0, 2, "\xFE\xFF") == 0) {
        encoding_ = IniEncoding::Utf16BE;
        byteOrderMark_ = content.substr(0, 2);
    }
    content.erase(0, byteOrderMark_.size());
    if (content.size() % unitBytes(encoding_) != 0) {
        trailer_ = content.substr(content.size() - 1);
        content.pop_back();
    }
    newLine_ = encode(L"\r\n");
    splitLines(content);
}

void IniDocument::splitLines(const std::string& content) {
    const size_t width = unitBytes(encoding_), count = unitCount(content, encoding_);
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        char32_t c = unitAt(content, i, encoding_);
        if (c != U'\r' && c != U'\n') continue;
        size_t endingUnits = (c == U'\r' && i + 1 < count && unitAt(content, i + 1, encoding_) == U'\n') ? 2 : 1;
        Line line;
        line.text = content.substr(start * width, (i - start) * width);
        line.ending = content.substr(i * width, endingUnits * width);
        if (lines_.empty()) newLine_ = line.ending;
        classify(line);
        lines_.push_back(std::move(line));
        i += endingUnits - 1;
        start = i + 1;
    }
    if (start < count) {
        Line last;
        last.text = content.substr(start * width);
        classify(last);
        lines_.push_back(std::move(last));
    }
}

void IniDocument::classify(Line& line) const {
    line.kind = LineKind::Other;
    line.name.clear();
    line.value.clear();
    const size_t count = unitCount(line.text, encoding_);
    auto unit = [&](size_t i) { return unitAt(line.text, i, encoding_); };
    auto find = [&](char32_t wanted, size_t from) {
        while (from < count && unit(from) != wanted) ++from;
        return from;
    };
    size_t first = 0;
    while (first < count && isBlank(unit(first))) ++first;
    if (first == count || unit(first) == U';') return;
    if (unit(first) == U'[') {
        size_t close = find(U']', first + 1);
        if (close < count) {
            line.kind = LineKind::Section;
            line.name = trimmed(decodeUnits(line.text, first + 1, close, encoding_));
            return;
        }
    }
    size_t equals = find(U'=', first);
    if (equals == count) return;
    line.name = trimmed(decodeUnits(line.text, first, equals, encoding_));
    if (line.name.empty()) return;
    size_t valueStart = equals + 1;
    while (valueStart < count && isBlank(unit(valueStart))) ++valueStart;
    line.kind = LineKind::Key;
    line.valueUnit = valueStart;
    line.value = trimmed(decodeUnits(line.text, valueStart, count, encoding_));
}

// ---- lookup -------------------------------------------------------------------------------------

// Lines [begin, end) of the first section with this name, header excluded; the empty name stands
// for the lines before the first section. False when there is no such section.
bool IniDocument::sectionRange(const std::wstring& section, size_t& begin, size_t& end) const {
    begin = 0;
    if (!section.empty()) {
        while (begin < lines_.size() && !(lines_[begin].kind == LineKind::Section &&
                                          equalIgnoringCase(lines_[begin].name, section)))
            ++begin;
        if (begin == lines_.size()) return false;
        ++begin;
    }
    end = begin;
    while (end < lines_.size() && lines_[end].kind != LineKind::Section) ++end;
    return true;
}

size_t IniDocument::keyLine(size_t begin, size_t end, const std::wstring& key) const {
    for (size_t i = begin; i < end; ++i)
        if (lines_[i].kind == LineKind::Key && equalIgnoringCase(lines_[i].name, key)) return i;
    return end;
}

bool IniDocument::find(const std::wstring& section, const std::wstring& key,
                       std::wstring& value) const {
    size_t begin = 0, end = 0;
    if (!sectionRange(trimmed(section), begin, end)) return false;
    size_t at = keyLine(begin, end, trimmed(key));
    if (at == end) return false;
    value = lines_[at].value;
    return true;
}

// ---- editing ------------------------------------------------------------------------------------

bool IniDocument::set(const std::wstring& section, const std::wstring& key,
                      const std::wstring& value) {
    std::wstring sectionName = trimmed(section), keyName = trimmed(key);
    if (!writable(sectionName, keyName, value)) return false;
    std::wstring keyText = keyName + L"=" + value;
    size_t begin = 0, end = 0;
    if (!sectionRange(sectionName, begin, end)) {
        insertLine(lines_.size(), L"[" + sectionName + L"]");
        insertLine(lines_.size(), keyText);
        return true;
    }
    size_t at = keyLine(begin, end, keyName);
    if (at < end) {
        replaceValue(lines_[at], value);
        return true;
    }
    size_t after = begin;  // right below the header when the section has no key yet
    for (size_t i = begin; i < end; ++i)
        if (lines_[i].kind == LineKind::Key) after = i + 1;
    insertLine(after, keyText);
    return true;
}

// Keeps everything up to the value (key spelling, blanks around "=") and the line ending.
void IniDocument::replaceValue(Line& line, const std::wstring& value) {
    line.text.resize(line.valueUnit * unitBytes(encoding_));
    line.text += encode(value);
    classify(line);
}

void IniDocument::insertLine(size_t index, const std::wstring& text) {
    if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = newLine_;
    Line line;
    line.text = encode(text);
    line.ending = newLine_;
    classify(line);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

// ---- serialising --------------------------------------------------------------------------------

std::string IniDocument::encode(const std::wstring& text) const {
    return encoding_ == IniEncoding::Utf8 ? toUtf8(text) : encodeUtf16(text, encoding_);
}

std::vector<uint8_t> IniDocument::bytes() const {
    std::vector<uint8_t> out(byteOrderMark_.begin(), byteOrderMark_.end());
    for (const Line& line : lines_) {
        out.insert(out.end(), line.text.begin(), line.text.end());
        out.insert(out.end(), line.ending.begin(), line.ending.end());
    }
    out.insert(out.end(), trailer_.begin(), trailer_.end());
    return out;
}

}  // namespace platform
