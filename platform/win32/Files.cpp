// The file functions of the platform layer on Windows.
//
// Sections: paths | reading | writing, queries and deletion | folder listing
//
// The game's paths are Windows paths already: backslashes, relative to the working directory,
// names without regard to case. They go to the system unchanged.
#include "platform/TextCase.h"
#include "platform/win32/Win32.h"

#include <vector>

namespace platform {
namespace {

// No file the game reads comes near this; the cap keeps a damaged or hostile path (a huge file,
// a device) from making a reader allocate without bound.
constexpr LONGLONG maxFileBytes = 64 * 1024 * 1024;

// Closes a handle on every way out of a function.
struct OpenFile {
    HANDLE handle;
    explicit OpenFile(HANDLE file) : handle(file) {}
    ~OpenFile() { if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
};

// Reads to the end, but never more than the cap: a file can grow after it was measured.
bool readAll(HANDLE file, std::vector<uint8_t>& bytes) {
    uint8_t chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) return false;
        if (got == 0) return true;
        if (bytes.size() + got > static_cast<size_t>(maxFileBytes)) return false;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

bool isFolder(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

}  // namespace

// ---- paths ------------------------------------------------------------------------------------

std::string hostPath(const std::wstring& path) { return toUtf8(path); }

std::wstring currentDirectory() {
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return L".";
    std::wstring path(needed, L'\0');
    DWORD got = GetCurrentDirectoryW(needed, path.data());
    if (got == 0 || got >= needed) return L".";  // changed between the two calls
    path.resize(got);
    while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

// ---- reading ----------------------------------------------------------------------------------

// Others may keep reading, writing or replacing the file meanwhile; a folder, pipe or device is
// no file.
bool readWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    OpenFile file(CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE || GetFileType(file.handle) != FILE_TYPE_DISK)
        return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.handle, &size) || size.QuadPart > maxFileBytes) return false;
    bytes.reserve(static_cast<size_t>(size.QuadPart));
    if (readAll(file.handle, bytes)) return true;
    bytes.clear();
    return false;
}

// ---- writing, queries and deletion ------------------------------------------------------------

bool writeFileAtomically(const std::wstring& path, const void* data, size_t size) {
    std::wstring temporary;
    HANDLE file = win32::createTemporaryBeside(path, temporary);
    if (file == INVALID_HANDLE_VALUE) return false;
    if (!win32::fillTemporary(file, data, size)) {
        win32::discardTemporary(temporary);
        return false;
    }
    return win32::replaceWithTemporary(temporary, path);
}

bool fileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !isFolder(attributes);
}

bool deleteFile(const std::wstring& path) { return DeleteFileW(path.c_str()) != FALSE; }

// ---- folder listing ---------------------------------------------------------------------------

std::vector<std::wstring> listFolder(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    size_t split = pattern.find_last_of(L"\\/");
    std::wstring namePattern = split == std::wstring::npos ? pattern : pattern.substr(split + 1);
    if (namePattern == L"*.*") namePattern = L"*";  // also names without a dot
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = found.cFileName;
        // FindFirstFileW also matches the 8.3 alias ("*.grd" finds "Level.grdx" through
        // "LEVEL~1.GRD"), so each long name is checked again.
        if (!isFolder(found.dwFileAttributes) && matchesWildcard(namePattern, name))
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace platform
