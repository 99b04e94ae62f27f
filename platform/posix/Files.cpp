// The file functions of the platform layer on a POSIX system.
//
// Sections: path resolution | reading | atomic writing | queries and deletion | folder listing
//
// The game spells paths with backslashes and, having been made on a case-insensitive system,
// does not care about the case of names. hostPath turns such a path into a host path: backslashes
// become '/', and each component that does not exist as written is looked up without regard to
// case in its folder. A component found in no case stays as written, so new files can be made.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "platform/Platform.h"

namespace platform {
namespace {

// No file the game reads comes near this; the cap keeps a damaged or hostile path (a huge file,
// a device) from making a reader allocate without bound.
constexpr off_t maxFileBytes = 64 * 1024 * 1024;

// ---- path resolution ----------------------------------------------------------------------------

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> pathComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (!isSeparator(c)) {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string joined(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

bool entryExists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// The entry of `folder` equal to `name` without regard to case; of several, the smallest by
// byte order, so the choice does not depend on the listing order.
bool findIgnoringCase(const std::string& folder, const std::string& name, std::string& match) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return false;
    const std::wstring wanted = fromUtf8(name);
    bool found = false;
    while (const dirent* entry = readdir(dir)) {
        std::string candidate = entry->d_name;
        if (!equalIgnoringCase(fromUtf8(candidate), wanted)) continue;
        if (!found || candidate < match) match = candidate;
        found = true;
    }
    closedir(dir);
    return found;
}

std::string resolved(const std::string& path) {
    std::string result = !path.empty() && isSeparator(path[0]) ? "/" : "";
    bool parentExists = true;
    for (const std::string& part : pathComponents(path)) {
        std::string candidate = joined(result, part);
        bool special = part == "." || part == "..";
        if (parentExists && !special && !entryExists(candidate)) {
            std::string match;
            parentExists = findIgnoringCase(result, part, match);
            if (parentExists) candidate = joined(result, match);
        }
        result = candidate;
    }
    if (!path.empty() && isSeparator(path.back()) && !result.empty() && result.back() != '/')
        result += '/';
    return result;
}

// ---- reading ------------------------------------------------------------------------------------

// Closes a descriptor on every way out of a function.
struct Descriptor {
    int fd;
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor() { if (fd >= 0) close(fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int release() { int kept = fd; fd = -1; return kept; }
};

bool isRegularFile(const struct stat& info) { return S_ISREG(info.st_mode); }

// Reads to the end, but never more than the cap: a file can grow after it was measured.
bool readAll(int fd, std::vector<uint8_t>& bytes) {
    uint8_t chunk[65536];
    for (;;) {
        ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (bytes.size() + static_cast<size_t>(got) > static_cast<size_t>(maxFileBytes)) return false;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

// ---- atomic writing -----------------------------------------------------------------------------

bool writeAll(int fd, const void* data, size_t size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = write(fd, next, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writing to a symbolic link replaces the file it points to, so the link survives.
std::string writeTarget(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* real = realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string target = real;
    free(real);
    return target;
}

// A new, exclusive file beside `target`. Its name is hidden and ends in ".tmp", so a leftover
// from a crash matches none of the game's patterns; the base name is shortened to stay within
// the file-name limit.
int createTemporary(const std::string& target, std::string& temporary) {
    std::string base = nameOf(target).substr(0, 180);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = joined(folderOf(target), "." + base + "." + std::to_string(getpid()) + "-" +
                                                 std::to_string(attempt) + ".tmp");
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The process that wrote a temporary file of `target`, or 0 when `entry` is not one:
// "." + name + "." + pid + "-" + attempt + ".tmp".
pid_t writerOf(const std::string& entry, const std::string& target) {
    std::string prefix = "." + nameOf(target).substr(0, 180) + ".";
    const std::string suffix = ".tmp";
    if (entry.size() <= prefix.size() + suffix.size() || entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    std::string middle = entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
    size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 9) return 0;
    for (size_t i = 0; i < middle.size(); ++i)
        if (i != dash && (middle[i] < '0' || middle[i] > '9')) return 0;
    return static_cast<pid_t>(std::stol(middle.substr(0, dash)));
}

// A write killed half-way leaves its temporary file behind; the next write of the same file
// removes those whose writer is gone, so a folder does not fill up with them over the years.
void removeStaleTemporaries(const std::string& target) {
    DIR* dir = opendir(folderOf(target).c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        pid_t writer = writerOf(entry->d_name, target);
        if (writer > 0 && writer != getpid() && kill(writer, 0) != 0 && errno == ESRCH)
            unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

// The new file takes over the permissions of the one it replaces.
bool keepPermissions(int fd, const std::string& target) {
    struct stat info;
    if (stat(target.c_str(), &info) != 0) return true;
    return fchmod(fd, info.st_mode & 07777) == 0;
}

// Makes the rename durable. A file system that cannot flush a folder says so with EINVAL; there
// is nothing more to do on it.
bool syncFolder(const std::string& folder) {
    Descriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0) return false;
    return fsync(dir.fd) == 0 || errno == EINVAL;
}

bool fillTemporary(int fd, const std::string& target, const void* data, size_t size) {
    Descriptor file(fd);
    bool filled = writeAll(fd, data, size) && keepPermissions(fd, target) && fsync(fd) == 0;
    return close(file.release()) == 0 && filled;
}

// ---- folder listing -----------------------------------------------------------------------------

bool listsAsFile(DIR* dir, const dirent* entry) {
    if (entry->d_type == DT_REG) return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return false;
    struct stat info;
    return fstatat(dirfd(dir), entry->d_name, &info, 0) == 0 && isRegularFile(info);
}

}  // namespace

std::string hostPath(const std::wstring& path) { return resolved(toUtf8(path)); }

std::wstring currentDirectory() {
    std::vector<char> buffer(256);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return L".";
        buffer.resize(buffer.size() * 2);
    }
    std::string path = buffer.data();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return fromUtf8(path);
}

namespace os {

bool readFile(const std::wstring& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    // Non-blocking, so that opening a named pipe returns at once; it is then refused as no file.
    Descriptor file(open(hostPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info;
    if (file.fd < 0 || fstat(file.fd, &info) != 0) return false;
    if (!isRegularFile(info) || info.st_size > maxFileBytes) return false;
    bytes.reserve(static_cast<size_t>(info.st_size));
    if (readAll(file.fd, bytes)) return true;
    bytes.clear();
    return false;
}

bool writeFile(const std::wstring& path, const void* data, size_t size) {
    const std::string target = writeTarget(hostPath(path));
    std::string temporary;
    int fd = createTemporary(target, temporary);
    if (fd < 0) return false;
    if (!fillTemporary(fd, target, data, size) || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    removeStaleTemporaries(target);
    return syncFolder(folderOf(target));
}

bool isFile(const std::wstring& path) {
    struct stat info;
    return stat(hostPath(path).c_str(), &info) == 0 && isRegularFile(info);
}

bool removeFile(const std::wstring& path) {
    std::string host = hostPath(path);
    struct stat info;
    if (lstat(host.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    return unlink(host.c_str()) == 0;
}

std::vector<std::wstring> listNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::string host = hostPath(folder);
    DIR* dir = opendir(host.empty() ? "." : host.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir))
        if (listsAsFile(dir, entry)) names.push_back(fromUtf8(entry->d_name));
    closedir(dir);
    return names;
}

namespace {
bool isFolder(const std::wstring& path) {
    struct stat info;
    return stat(hostPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
}  // namespace

bool makeFolders(const std::wstring& path) {
    std::string host = hostPath(path), partial = !host.empty() && host[0] == '/' ? "/" : "";
    for (const std::string& part : pathComponents(host)) {
        partial = joined(partial, part);
        if (mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    return isFolder(path);
}

bool canWriteIn(const std::wstring& folder) {
    std::string probe = joined(hostPath(folder), ".tallix-write-test-" + std::to_string(getpid()));
    int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

bool changeDirectory(const std::wstring& folder) { return chdir(hostPath(folder).c_str()) == 0; }

std::wstring executableFolder() {
    std::vector<char> buffer(4096);
    ssize_t got = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (got <= 0) return L"";
    std::string path(buffer.data(), size_t(got));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? L"" : fromUtf8(path.substr(0, slash == 0 ? 1 : slash));
}

// $XDG_DATA_HOME/tallix-free, by default ~/.local/share/tallix-free.
std::wstring defaultUserFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return fromUtf8(std::string(data) + "/tallix-free");
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return fromUtf8(std::string(home) + "/.local/share/tallix-free");
    return L"";
}

bool isAbsolute(const std::wstring& path) { return !path.empty() && (path[0] == L'/' || path[0] == L'\\'); }

}  // namespace os

}  // namespace platform
