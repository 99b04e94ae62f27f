// The file functions of the platform layer on Windows.
//
// Sections: paths | reading | writing, queries and deletion | folder listing
//
// The game's paths are Windows paths already: backslashes, relative to the working directory,
// names without regard to case. They go to the system unchanged.
#include "platform/FileSystem.h"
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

bool isFolderAttribute(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

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
namespace os {

bool readFile(const std::wstring& path, std::vector<uint8_t>& bytes) {
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

bool writeFile(const std::wstring& path, const void* data, size_t size) {
    std::wstring temporary;
    HANDLE file = win32::createTemporaryBeside(path, temporary);
    if (file == INVALID_HANDLE_VALUE) return false;
    if (!win32::fillTemporary(file, data, size)) {
        win32::discardTemporary(temporary);
        return false;
    }
    return win32::replaceWithTemporary(temporary, path);
}

bool isFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !isFolderAttribute(attributes);
}

bool removeFile(const std::wstring& path) { return DeleteFileW(path.c_str()) != FALSE; }

// ---- folder listing ---------------------------------------------------------------------------

// Every name, matched against the pattern by the caller: FindFirstFileW would also match a
// pattern against the 8.3 alias ("*.grd" finds "Level.grdx" through "LEVEL~1.GRD").
std::vector<std::wstring> listNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder.empty() ? std::wstring(L"*") : folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!isFolderAttribute(found.dwFileAttributes)) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

namespace {
bool isFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && isFolderAttribute(attributes);
}
}  // namespace

bool makeFolders(const std::wstring& path) {
    for (size_t at = path.find_first_of(L"\\/", 3); at != std::wstring::npos; at = path.find_first_of(L"\\/", at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(path.c_str(), nullptr);
    return isFolder(path);
}

bool canWriteIn(const std::wstring& folder) {
    std::wstring probe = folder + L"\\.tallix-write-test-" + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool changeDirectory(const std::wstring& folder) { return SetCurrentDirectoryW(folder.c_str()) != FALSE; }

std::wstring executableFolder() {
    std::wstring path(32768, L'\0');
    DWORD got = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (got == 0 || got >= path.size()) return L"";
    path.resize(got);
    size_t split = path.find_last_of(L"\\/");
    return split == std::wstring::npos ? L"" : path.substr(0, split);
}

// %APPDATA%\Tallix Free.
std::wstring defaultUserFolder() {
    wchar_t buffer[32768];
    DWORD got = GetEnvironmentVariableW(L"APPDATA", buffer, 32768);
    if (got == 0 || got >= 32768) return L"";
    return std::wstring(buffer, got) + L"\\Tallix Free";
}

bool isAbsolute(const std::wstring& path) {
    return (path.size() >= 2 && path[1] == L':') || (!path.empty() && (path[0] == L'\\' || path[0] == L'/'));
}

}  // namespace os

}  // namespace platform
