// The level catalogue: the level files of "Data\Levels\" in a fixed order, six to a page.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr size_t levelsPerPage = 6;

// "Data\Levels\" followed by every file name ending in ".grd" (any case, no sub-folders), sorted by
// plain code-unit order: upper case before lower case, "Level10" before "Level2". A missing folder
// gives an empty list. The folder is read once per call; nothing is cached.
std::vector<std::wstring> scanLevelFolder();

// Sorts by the numeric value of the UTF-16 code units, a prefix before its extensions.
void sortByCodeUnits(std::vector<std::wstring>& paths);

// Paging arithmetic of the level-selection screen (page indices are zero-based).
size_t pageCount(size_t levelCount);                         // rounded up: 0 levels give 0 pages
bool hasPreviousPage(int pageIndex);                         // pageIndex > 0
bool hasNextPage(int pageIndex, size_t levelCount);          // levels beyond this page exist
std::string pageCaption(int pageIndex, size_t levelCount);   // "Page 2/3"; "Page 1/0" without levels
