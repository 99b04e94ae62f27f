// The profile-string (INI) service: each call reads the whole file, and a write replaces it
// atomically with the edited document, so a crash mid-write leaves the old file or the new one,
// never half of each.
#include <climits>
#include <map>
#include <mutex>

#include "platform/FileSystem.h"
#include "platform/IniDocument.h"
#include "platform/Platform.h"

namespace platform {
namespace {

// The bytes read last from each file, parsed. Data files are read one key at a time (the main
// font's widths are 256 keys): parsing costs far more than reading, so a read that finds the same
// bytes as last time answers from the document parsed then. Kept per file, so that a key missing
// from the player's copy, read from the game's copy next, parses neither again. The game reads a
// handful of INI files; more than `keptFiles` (tests with fresh folders) start the store afresh.
// Reads may come from more than one thread.
struct ParsedFile {
    std::vector<uint8_t> bytes;
    IniDocument document;
};
constexpr size_t keptFiles = 32;

// The value of a key as the file at exactly `path` holds it now; a missing or unreadable file
// reads as an empty one.
bool findIn(const std::wstring& path, const std::wstring& section, const std::wstring& key, std::wstring& value) {
    static std::mutex lock;
    static std::map<std::wstring, ParsedFile> parsed;
    std::vector<uint8_t> bytes;
    if (!os::readFile(path, bytes)) return false;
    std::lock_guard<std::mutex> hold(lock);
    if (parsed.size() >= keptFiles && parsed.count(path) == 0) parsed.clear();
    ParsedFile& last = parsed[path];
    if (last.bytes != bytes) {
        last.document = IniDocument(bytes);
        last.bytes = std::move(bytes);
    }
    return last.document.find(section, key, value);
}

// The value from the first of the files a read consults that holds the key.
bool findValue(const std::wstring& file, const std::wstring& section, const std::wstring& key,
               std::wstring& value) {
    for (const std::wstring& path : readingPaths(file))
        if (findIn(path, section, key, value)) return true;
    return false;
}

std::wstring clipped(const std::wstring& text, size_t bufferChars) {
    if (bufferChars == 0) return std::wstring();
    return text.size() < bufferChars ? text : text.substr(0, bufferChars - 1);
}

// Optional blanks, optional sign, then decimal digits up to the first other character; no digits
// give 0, and a number beyond the int range gives the nearest limit.
int leadingInteger(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - L'0');
        if (magnitude >= limit) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace

std::wstring profileString(const std::wstring& file, const std::wstring& section,
                           const std::wstring& key, const std::wstring& fallback,
                           size_t bufferChars) {
    std::wstring value;
    if (!findValue(file, section, key, value)) value = fallback;
    return clipped(value, bufferChars);
}

int profileInt(const std::wstring& file, const std::wstring& section, const std::wstring& key,
               int fallback) {
    std::wstring value;
    if (!findValue(file, section, key, value)) return fallback;
    return leadingInteger(value);
}

// An existing file that cannot be read is left alone: rewriting it from an empty document would
// throw away everything else in it.
bool writeProfileString(const std::wstring& file, const std::wstring& section,
                        const std::wstring& key, const std::wstring& value) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(file, bytes) && fileExists(file)) return false;
    IniDocument document(bytes);
    if (!document.set(section, key, value)) return false;
    std::vector<uint8_t> updated = document.bytes();
    return writeFileAtomically(file, updated.data(), updated.size());
}

}  // namespace platform
