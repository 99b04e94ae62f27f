// The game's file functions: the system's own (FileSystem.h), plus the per-user folder of an
// installed game. While it is in use, a file of the game folder is read from the user folder when
// a copy is there and from the game folder otherwise; writes and deletions go to the user folder;
// listings merge both. So an INI file written for the first time there starts as the game
// folder's copy (the shipped medal limits stay), and the game's own paths never change.
#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Platform.h"

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
            !os::sameFileName(path.substr(0, game.size()), game))
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

}  // namespace

std::wstring readingPath(const std::wstring& path) {
    std::wstring twin;
    return userTwin(path, twin) && os::isFile(twin) ? twin : path;
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

// Names in both folders once, the user folder's first.
std::vector<std::wstring> listFolder(const std::wstring& pattern) {
    std::wstring twin;
    std::vector<std::wstring> names;
    if (userTwin(pattern, twin)) names = os::listNames(twin);
    for (const std::wstring& name : os::listNames(pattern)) {
        bool known = std::any_of(names.begin(), names.end(), [&](const std::wstring& n) { return os::sameFileName(n, name); });
        if (!known) names.push_back(name);
    }
    return names;
}

void useUserFolder(const std::wstring& gameFolder, const std::wstring& userFolder) {
    overlay() = {gameFolder, userFolder};
}

// The working directory when it is a game folder (./run, the tests, an unzipped folder); else the
// executable's folder, or the share folder of an installed prefix beside its bin.
bool enterGameFolder() {
    std::wstring here = currentDirectory(), exe = os::executableFolder();
    std::wstring shared = exe.empty() ? L"" : folderPart(exe) + L"\\share\\tallix-free";
    std::wstring game = isGameFolder(here) ? here : isGameFolder(exe) ? exe : isGameFolder(shared) ? shared : L"";
    if (game.empty()) return false;
    if (game != here && !os::changeDirectory(game)) return false;
    game = currentDirectory();
    if (!os::canWriteIn(game)) useUserFolder(game, os::defaultUserFolder());
    return true;
}

}  // namespace platform
