// The profile-string (INI) service on Windows: the system's own GetPrivateProfileStringW,
// GetPrivateProfileIntW and WritePrivateProfileStringW.
//
// WritePrivateProfileStringW rewrites the file in place, so a crash or a full disk in the middle
// can leave half a file. A write therefore edits a copy beside the file and moves the copy over
// it in one step (MoveFileExW): a crash leaves the old file or the new one, as the game promises.
// Reads go straight to the file.
//
// Where the system's service differs from the portable one (platform/IniDocument.h): a file is
// UTF-16LE with a byte-order mark or else text in the ANSI code page, so UTF-8 beyond ASCII reads
// as other characters (the game's own files are ASCII); a value in matching quotes loses them; an
// empty value reads as the default number rather than 0.
#include "platform/FileSystem.h"
#include "platform/win32/Win32.h"

#include <algorithm>
#include <vector>

namespace platform {
namespace {

// The profile functions look for a name without a folder in the Windows folder, not in the
// working directory the game means.
std::wstring fullPath(const std::wstring& file) {
    DWORD needed = GetFullPathNameW(file.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return file;
    std::wstring full(needed, L'\0');
    DWORD got = GetFullPathNameW(file.c_str(), needed, full.data(), nullptr);
    if (got == 0 || got >= needed) return file;
    full.resize(got);
    return full;
}

bool hasLineBreak(const std::wstring& text) {
    return text.find_first_of(L"\r\n") != std::wstring::npos;
}

// Names the file could not give back as written: the service would write them anyway and leave a
// line that reads as something else.
bool writableNames(const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) {
    if (section.empty() || key.empty()) return false;
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)) return false;
    if (section.find(L']') != std::wstring::npos || key.find(L'=') != std::wstring::npos)
        return false;
    return key[0] != L';' && key[0] != L'[';
}

// The copy to edit, beside the file the write replaces: the bytes the game reads for `file` (the
// per-user copy, or the game folder's), or nothing for a file that does not exist yet. False when
// the file exists but cannot be read; rewriting it from nothing would lose everything else in it.
bool copyBeside(const std::wstring& file, const std::wstring& target, std::wstring& copy) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(file, bytes) && fileExists(file)) return false;
    HANDLE handle = win32::createTemporaryBeside(target, copy);
    if (handle == INVALID_HANDLE_VALUE) return false;
    if (win32::fillTemporary(handle, bytes.data(), bytes.size())) return true;
    win32::discardTemporary(copy);
    return false;
}

}  // namespace

// Each file a read consults, last first, gives the default of the one before it: the value comes
// from the first file that holds the key.
std::wstring profileString(const std::wstring& file, const std::wstring& section,
                           const std::wstring& key, const std::wstring& fallback,
                           size_t bufferChars) {
    if (bufferChars == 0) return std::wstring();
    DWORD size = static_cast<DWORD>(std::min<size_t>(bufferChars, 1u << 20));
    std::vector<wchar_t> buffer(size, L'\0');
    std::wstring value = fallback;
    const std::vector<std::wstring> paths = readingPaths(file);
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
        DWORD got = GetPrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), buffer.data(), size,
                                             fullPath(*path).c_str());
        value.assign(buffer.data(), std::min<DWORD>(got, size - 1));
    }
    return value;
}

int profileInt(const std::wstring& file, const std::wstring& section, const std::wstring& key,
               int fallback) {
    const std::vector<std::wstring> paths = readingPaths(file);
    UINT value = static_cast<UINT>(fallback);
    for (auto path = paths.rbegin(); path != paths.rend(); ++path)
        value = GetPrivateProfileIntW(section.c_str(), key.c_str(), static_cast<INT>(value), fullPath(*path).c_str());
    return static_cast<int>(value);
}

bool writeProfileString(const std::wstring& file, const std::wstring& section,
                        const std::wstring& key, const std::wstring& value) {
    if (!writableNames(section, key, value)) return false;
    const std::wstring target = fullPath(writingPath(file));
    std::wstring copy;
    if (!copyBeside(file, target, copy)) return false;
    BOOL written = WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(),
                                              copy.c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, copy.c_str());  // no cached copy left
    if (!written || !win32::flushToDisk(copy)) {
        win32::discardTemporary(copy);
        return false;
    }
    return win32::replaceWithTemporary(copy, target);
}

}  // namespace platform
