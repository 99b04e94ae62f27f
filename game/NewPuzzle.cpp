#include "game/NewPuzzle.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "platform/IniDocument.h"
#include "platform/Platform.h"
#include "puzzle/Records.h"
#include "puzzle/StartingView.h"
#include "solver/LevelFile.h"
#include "solver/MedalLimits.h"

namespace {

const wchar_t* const levelFolder = L"Data\\Levels\\";
const wchar_t* const namePrefix = L"~N";

// The number of a made level's file name ("...\~N012 Hard.grd" gives 12), or 0.
int madeNumber(const std::wstring& path) {
    size_t start = path.rfind(L'\\');
    start = start == std::wstring::npos ? 0 : start + 1;
    if (path.compare(start, 2, namePrefix) != 0) return 0;
    int number = 0;
    for (size_t i = start + 2; i < path.size() && std::iswdigit(path[i]) && number < 100000; ++i)
        number = number * 10 + int(path[i] - L'0');
    return number;
}

bool writeRecords(const std::wstring& name, const levels::MedalLimits& limits) {
    const std::wstring path = std::wstring(levelFolder) + L"Recs.ini";
    std::vector<uint8_t> bytes;
    if (platform::fileExists(path) && !platform::readWholeFile(path, bytes)) return false;
    platform::IniDocument records(bytes);
    if (!setMedalLimits(records, name, limits.gold, limits.silver, limits.bronze)) return false;
    bytes = records.bytes();
    return platform::writeFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace

levels::GeneratorOptions newPuzzleOptions(int size, int difficulty, uint64_t seed) {
    const PuzzleSize& shape = puzzleSizes[size_t(std::clamp(size, 0, int(puzzleSizes.size()) - 1))];
    levels::GeneratorOptions options;
    options.width = shape.width;
    options.height = shape.height;
    options.difficulty = std::clamp(difficulty, 1, int(difficultyNames.size()));
    options.seed = seed;
    options.keepUnused = startingView::cellsUnderCaptions(shape.width, shape.height);
    return options;
}

std::wstring newLevelName(const std::vector<std::wstring>& levelPaths, int difficulty) {
    int highest = 0;
    for (const std::wstring& path : levelPaths) highest = std::max(highest, madeNumber(path));
    wchar_t number[16];
    std::swprintf(number, 16, L"%03d", highest + 1);
    const char* word = difficultyNames[size_t(std::clamp(difficulty, 1, int(difficultyNames.size())) - 1)];
    return namePrefix + std::wstring(number) + L" " + platform::fromUtf8(word);
}

std::wstring newLevelPath(const std::wstring& name) { return levelFolder + name + L".grd"; }

// The level first, then its records: when the records cannot be written the level goes again, so
// a failure leaves the folder as it was.
bool saveNewLevel(const std::wstring& name, const levels::GeneratedLevel& level) {
    const std::wstring path = newLevelPath(name);
    const std::vector<uint8_t> bytes = levels::encodeLevel(level.grid);
    if (!platform::writeFileAtomically(path, bytes.data(), bytes.size())) return false;
    const int playable = level.grid.count(levels::gridPlayable);
    if (writeRecords(name, levels::limitsFor(level.grade, playable))) return true;
    platform::deleteFile(path);
    return false;
}
