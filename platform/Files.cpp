// The game's file functions: the system's own (FileSystem.h), plus the per-user folder of an
// installed game. While it is in use, a file of the game folder is read from the user folder when
// a copy is there and from the game folder otherwise; writes and deletions go to the user folder;
// listings merge both. So an INI file written for the first time there starts as the game
// folder's copy (the shipped medal limits stay), and the game's own paths never change. A key the
// user's INI copy lacks reads from the game folder's, so an upgrade's new medal limits show.
#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"

namespace platform {

namespace {

struct Overlay {
    std::wstring gameFolder;  // no trailing separator
    std::wstring userFolder;  // empty: not in use
};

Overlay& overlay() {
    static Overlay current;
    return current;
}

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The user folder's twin of a path into the game folder (relative, or absolute below it).
bool userTwin(const std::wstring& path, std::wstring& twin) {
    const Overlay& o = overlay();
    if (o.userFolder.empty() || path.empty()) return false;
    std::wstring relative = path;
    if (os::isAbsolute(path)) {
        const std::wstring& game = o.gameFolder;
        if (path.size() <= game.size() || !isSeparator(path[game.size()]) ||
            !equalIgnoringCase(path.substr(0, game.size()), game))
            return false;
        relative = path.substr(game.size() + 1);
    }
    while (!relative.empty() && isSeparator(relative[0])) relative.erase(0, 1);
    if (relative.empty()) return false;
    twin = o.userFolder + L"\\" + relative;
    return true;
}

std::wstring folderPart(const std::wstring& path) {
    size_t split = path.find_last_of(L"\\/");
    return split == std::wstring::npos ? L"" : path.substr(0, split);
}

// A game folder holds the art only the game ships: a "Data" folder alone (a project's, the home
// folder's) is not one.
bool isGameFolder(const std::wstring& folder) { return !folder.empty() && os::isFile(folder + L"\\Data\\MainFont.dds"); }

std::wstring readingPath(const std::wstring& path) {
    std::wstring twin;
    return userTwin(path, twin) && os::isFile(twin) ? twin : path;
}

}  // namespace

std::vector<std::wstring> readingPaths(const std::wstring& path) {
    std::wstring twin;
    if (userTwin(path, twin) && os::isFile(twin)) return {twin, path};
    return {path};
}

std::wstring writingPath(const std::wstring& path) {
    std::wstring twin;
    if (!userTwin(path, twin)) return path;
    os::makeFolders(folderPart(twin));
    return twin;
}

bool readWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes) { return os::readFile(readingPath(path), bytes); }

bool writeFileAtomically(const std::wstring& path, const void* data, size_t size) {
    return os::writeFile(writingPath(path), data, size);
}

bool fileExists(const std::wstring& path) { return os::isFile(readingPath(path)); }

bool deleteFile(const std::wstring& path) {
    std::wstring twin;
    return userTwin(path, twin) ? os::removeFile(twin) : os::removeFile(path);
}

// Names in both folders once, the user folder's first. "*.*" also matches names without a dot, as
// on Windows.
std::vector<std::wstring> listFolder(const std::wstring& pattern) {
    const size_t split = pattern.find_last_of(L"\\/");
    const std::wstring folder = split == std::wstring::npos ? L"" : pattern.substr(0, split);
    std::wstring namePattern = split == std::wstring::npos ? pattern : pattern.substr(split + 1);
    if (namePattern == L"*.*") namePattern = L"*";
    std::wstring twin;
    std::vector<std::wstring> found;
    if (userTwin(pattern, twin)) found = os::listNames(folderPart(twin));
    for (std::wstring& name : os::listNames(split == 0 ? L"\\" : folder)) found.push_back(std::move(name));
    std::vector<std::wstring> names;
    for (const std::wstring& name : found) {
        bool known = std::any_of(names.begin(), names.end(), [&](const std::wstring& n) { return equalIgnoringCase(n, name); });
        if (!known && matchesWildcard(namePattern, name)) names.push_back(name);
    }
    return names;
}

void useUserFolder(const std::wstring& gameFolder, const std::wstring& userFolder) {
    overlay() = {gameFolder, userFolder};
}

// The working directory when it is a game folder (./run, the tests, an unzipped folder); else the
// executable's folder, or the game folder of an installed prefix beside its bin. An installed game
// keeps the player's files in the user folder even where its prefix is writable (~/.local), so
// installing again never replaces them.
bool enterGameFolder() {
    std::wstring here = currentDirectory(), exe = os::executableFolder();
    std::wstring installed = exe.empty() ? L"" : folderPart(exe) + L"\\share\\games\\tallix-free";
    std::wstring game = isGameFolder(here) ? here : isGameFolder(exe) ? exe : isGameFolder(installed) ? installed : L"";
    if (game.empty()) return false;
    if (game != here && !os::changeDirectory(game)) return false;
    const bool separate = game == installed || !os::canWriteIn(currentDirectory());
    if (separate) useUserFolder(currentDirectory(), os::defaultUserFolder());
    return true;
}

}  // namespace platform
