// Listing the level folder and the paging arithmetic built on it.
#include "game/LevelCatalogue.h"

#include <algorithm>
#include <cstdint>

#include "platform/Platform.h"

namespace {

const wchar_t* const levelFolder = L"Data\\Levels\\";

// The UTF-16 code units of a name, so that the order is the same where wchar_t holds whole code
// points: a character beyond U+FFFF sorts by its high surrogate, before U+E000 to U+FFFF.
std::u16string utf16Units(const std::wstring& text) {
    std::u16string units;
    units.reserve(text.size());
    for (wchar_t c : text) {
        uint32_t code = static_cast<uint32_t>(c);
        if (code > 0xFFFF && code <= 0x10FFFF) {
            code -= 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(code));
        }
    }
    return units;
}

bool codeUnitLess(const std::wstring& a, const std::wstring& b) { return utf16Units(a) < utf16Units(b); }

}  // namespace

std::vector<std::wstring> scanLevelFolder() {
    std::vector<std::wstring> paths;
    for (const std::wstring& name : platform::listFolder(std::wstring(levelFolder) + L"*.grd"))
        paths.push_back(levelFolder + name);
    sortByCodeUnits(paths);
    return paths;
}

void sortByCodeUnits(std::vector<std::wstring>& paths) {
    std::sort(paths.begin(), paths.end(), codeUnitLess);
}

size_t pageCount(size_t levelCount) { return (levelCount + levelsPerPage - 1) / levelsPerPage; }

bool hasPreviousPage(int pageIndex) { return pageIndex > 0; }

bool hasNextPage(int pageIndex, size_t levelCount) {
    if (pageIndex < 0) return levelCount > 0;
    return levelCount > levelsPerPage * (static_cast<size_t>(pageIndex) + 1);
}

std::string pageCaption(int pageIndex, size_t levelCount) {
    return "Page " + std::to_string(pageIndex + 1) + "/" + std::to_string(pageCount(levelCount));
}
