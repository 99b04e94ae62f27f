// What a digit-font INI file says, read without any GL: textures by name, metrics, shadow.
#pragma once

#include <array>
#include <string>

#include "gfx/Colour.h"

struct StyleFontDescription {
    std::wstring folder;        // the INI name up to its last backslash (the whole name without one)
    std::wstring map;           // "map": glyph texture file inside the folder, empty for none
    std::wstring shadow;        // "shadow": shadow texture file inside the folder, empty for none
    std::array<float, 2> shadowOffset{};             // "shadowDelta.X" / ".Y", default 0
    Colour shadowColour{1.0f, 1.0f, 1.0f, 1.0f};     // "shadowColor.R" … ".A", default 1 each
    int width = 512;            // "width": texture width in pixels; 0 or less keeps 512
    int height = 512;           // "height": texture height in pixels; 0 or less keeps 512
    int deltaW = 1;             // "deltaW": pixels added to every digit width
    int blocksize = 48;         // "blocksize": side of one glyph cell in pixels
    std::array<int, 10> charset{};  // section "charset", keys "0" … "9", default 10: digit widths in pixels

    float glyphHeight() const;        // blocksize / width: one cell, in texture-width units
    float cellT() const;              // blocksize / height: the glyph row's depth in t
    float digitWidth(int digit) const;  // (charset[digit] + deltaW) / width

    // folder + "\" + file: where "map" and "shadow" are looked for, relative to the working directory.
    std::wstring texturePath(const std::wstring& file) const { return folder + L"\\" + file; }
};

// Reads baseDirectory + iniName. A missing file or key gives the defaults above.
StyleFontDescription readStyleFontDescription(const std::wstring& iniName);
