// Reading and writing the two remembered game settings.
#include "game/GameSettings.h"

#include <algorithm>

#include "app/IniFile.h"

namespace {

const wchar_t* const section = L"GameSettings";

}  // namespace

GameSettings readGameSettings(const IniFile& settings) {
    GameSettings values;
    values.visualStyle = settings.readInt(section, L"VisualStyle", 0);
    values.viewStyle = settings.readInt(section, L"ViewStyle", 0);
    values.newPuzzleSize = std::clamp(settings.readInt(section, L"NewPuzzleSize", 0), 0, 2);
    values.newPuzzleDifficulty = std::clamp(settings.readInt(section, L"NewPuzzleDifficulty", 1), 1, 5);
    values.showCombinations = settings.readBool(section, L"ShowCombinations", true);
    return values;
}

void writeGameSettings(const IniFile& settings, const GameSettings& values) {
    settings.writeInt(section, L"VisualStyle", values.visualStyle);
    settings.writeInt(section, L"ViewStyle", values.viewStyle);
    settings.writeInt(section, L"NewPuzzleSize", values.newPuzzleSize);
    settings.writeInt(section, L"NewPuzzleDifficulty", values.newPuzzleDifficulty);
    settings.writeBool(section, L"ShowCombinations", values.showCombinations);
}

int32_t usableIndex(int32_t index, size_t count) {
    return index >= 0 && static_cast<size_t>(index) < count ? index : 0;
}
