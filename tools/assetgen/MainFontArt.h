// The main font: "Data/MainFont.dds" (256 glyphs, 16 x 16 cells of 32 pixels, white on
// transparent) and "Data/MainFont.ini" (section "Char Widths": each code's advance in pixels).
#pragma once

#include <array>

#include "FontFaces.h"
#include "Output.h"

namespace assetgen {

struct MainFontInfo {
    std::array<int, 256> widths{};  // advance in pixels of each code, as written to the INI file
};

MainFontInfo writeMainFont(Output& output, const FontFaces& faces);

}  // namespace assetgen
