// An INI file held in memory: parsed from bytes, looked up, edited, and turned back into bytes.
//
// The profile-string service reads a whole file into an IniDocument, answers from it, and for a
// write edits it and replaces the file with the result. Every line keeps its exact bytes and its
// own line ending, so a write changes only the line it edits and the lines it adds: comments, odd
// spacing, junk, Latin-1 text and embedded NULs survive byte for byte. No disk access here, so the
// format can be unit-tested and fuzzed on its own.
//
// Format: UTF-8 with or without a byte-order mark, or UTF-16 (little or big endian) with one; lines
// end in CR, LF or CRLF, the last one possibly in nothing. "[name]" heads a section; "key=value"
// is a key whose name is the text before the first "=" and whose value is the text after it, both
// with surrounding spaces and tabs removed; ";" starts a comment; other lines are ignored. Names
// match without regard to case; of duplicate sections or keys the first one counts. Keys before
// the first section belong to the section with the empty name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class IniEncoding { Utf8, Utf16LE, Utf16BE };

class IniDocument {
public:
    IniDocument() = default;                                  // a new file: UTF-8, no BOM, CRLF
    explicit IniDocument(const std::vector<uint8_t>& bytes);  // any bytes at all; never fails

    // The value of `key` in the first section called `section`; false when either is missing.
    bool find(const std::wstring& section, const std::wstring& key, std::wstring& value) const;

    // Replaces the value of the first such key (the line keeps the key's spelling), or adds the key
    // after the last key of the section, or appends the section with the key. False, and nothing
    // changed, for names that cannot be written back readably: an empty section or key, a line
    // break anywhere, "]" in a section name, "=" in a key, a key starting with ";" or "[".
    bool set(const std::wstring& section, const std::wstring& key, const std::wstring& value);

    std::vector<uint8_t> bytes() const;  // in the encoding, BOM and line-ending style read
    IniEncoding encoding() const { return encoding_; }

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        std::string text;     // the bytes of the line without its ending
        std::string ending;   // the bytes of its CR, LF or CRLF; empty for a last line without one
        LineKind kind = LineKind::Other;
        std::wstring name;    // section or key name
        std::wstring value;   // a key's value
        size_t valueUnit = 0; // a key's value starts at this code unit (blanks after "=" skipped)
    };

    void splitLines(const std::string& content);
    void classify(Line& line) const;
    bool sectionRange(const std::wstring& section, size_t& begin, size_t& end) const;
    size_t keyLine(size_t begin, size_t end, const std::wstring& key) const;  // or end
    void replaceValue(Line& line, const std::wstring& value);
    void insertLine(size_t index, const std::wstring& text);
    std::string encode(const std::wstring& text) const;

    IniEncoding encoding_ = IniEncoding::Utf8;
    std::string byteOrderMark_;
    std::string newLine_ = "\r\n";  // encoded; the first ending in the file, CRLF for a new one
    std::vector<Line> lines_;
    std::string trailer_;           // a dangling odd byte of a UTF-16 file, kept at the very end
};


}  // namespace platform
