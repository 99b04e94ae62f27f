// The look the player chose, remembered across runs in section "GameSettings" of Settings.ini.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class IniFile;

// The views of unused cells: how opaque the unused cell colour of the style in use is.
enum ViewStyle : int32_t { viewMinimal = 0, viewFull = 1, viewTransparent = 2 };
constexpr int32_t viewStyleCount = 3;
constexpr std::array<float, viewStyleCount> viewOpacities{0.0f, 1.0f, 0.4f};

struct GameSettings {
    int32_t visualStyle = 0;  // `VisualStyle`: index into the style catalogue
    int32_t viewStyle = 0;    // `ViewStyle`: one of ViewStyle
    int32_t newPuzzleSize = 0;        // `NewPuzzleSize`: the chooser's last size, 0 to 2
    int32_t newPuzzleDifficulty = 1;  // `NewPuzzleDifficulty`: its last difficulty, 1 to 5
    bool showCombinations = true;     // `ShowCombinations`: the combination helper is on
};

// The style and view read as integers with default 0, values taken as stored (range checks are
// the caller's, usableIndex); the chooser's choices are brought into their ranges.
GameSettings readGameSettings(const IniFile& settings);
void writeGameSettings(const IniFile& settings, const GameSettings& values);  // decimal integers

// `index` when it names one of `count` entries, else 0: a settings file edited by hand or written
// with another catalogue must not make the game index past its lists.
int32_t usableIndex(int32_t index, size_t count);

