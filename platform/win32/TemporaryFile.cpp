// Replacing a file through a temporary one beside it: the crash-safe write of the file functions
// and of the profile-string service.
#include "platform/win32/Win32.h"

#include <algorithm>

namespace platform::win32 {

namespace {

// Closes a handle on every way out of a function.
struct OpenFile {
    HANDLE handle;
    explicit OpenFile(HANDLE file) : handle(file) {}
    ~OpenFile() { if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    bool close() {
        HANDLE closing = handle;
        handle = INVALID_HANDLE_VALUE;
        return CloseHandle(closing) != FALSE;
    }
};

bool writeAll(HANDLE file, const void* data, size_t size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, next, chunk, &written, nullptr) || written == 0) return false;
        next += written;
        size -= written;
    }
    return true;
}

// Splits at the last separator: "Data\Levels\" and "Easy01.gsv"; no folder for a bare name.
void splitPath(const std::wstring& path, std::wstring& folder, std::wstring& name) {
    size_t separator = path.find_last_of(L"\\/");
    folder = separator == std::wstring::npos ? L"" : path.substr(0, separator + 1);
    name = separator == std::wstring::npos ? path : path.substr(separator + 1);
}

}  // namespace

// The base name is shortened to stay within the file-name limit.
HANDLE createTemporaryBeside(const std::wstring& target, std::wstring& temporary) {
    std::wstring folder, name;
    splitPath(target, folder, name);
    std::wstring stem = folder + L"." + name.substr(0, 180) + L"." +
                        std::to_wstring(GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem + std::to_wstring(attempt) + L".tmp";
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    temporary.clear();
    return INVALID_HANDLE_VALUE;
}

bool fillTemporary(HANDLE file, const void* data, size_t size) {
    OpenFile open(file);
    bool filled = writeAll(file, data, size) && FlushFileBuffers(file);
    return open.close() && filled;
}

bool flushToDisk(const std::wstring& path) {
    OpenFile open(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (open.handle == INVALID_HANDLE_VALUE) return false;
    bool flushed = FlushFileBuffers(open.handle) != FALSE;
    return open.close() && flushed;
}

// A read-only file stays as it is. Windows refuses to move over one anyway; the check makes every
// implementation of the system calls (Wine replaces such files) behave the same.
bool replaceWithTemporary(const std::wstring& temporary, const std::wstring& target) {
    DWORD attributes = GetFileAttributesW(target.c_str());
    bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (!readOnly && MoveFileExW(temporary.c_str(), target.c_str(), flags)) return true;
    discardTemporary(temporary);
    return false;
}

void discardTemporary(const std::wstring& temporary) {
    if (temporary.empty()) return;
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(temporary.c_str());
}

}  // namespace platform::win32
