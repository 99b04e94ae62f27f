// Mock-ups for judging the art in place, drawn with the game's own layout rules: a small board in
// every style (at the real size and twice as large), and whole screens - main menu, level page and
// playing with the panel open. Written outside Data.
#pragma once

#include <string>

#include "FontFaces.h"
#include "MainFontArt.h"
#include "Output.h"

namespace assetgen {

bool writeBoardMockup(const Output& output, const FontFaces& faces, const std::string& file);
bool writeScreenMockup(const Output& output, const MainFontInfo& mainFont, const std::string& file);

}  // namespace assetgen
