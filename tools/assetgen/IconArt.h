// The panel's icons (Data/Zoom.dds, Move.dds, Up.dds, Down.dds), the window icon Data/Icon.bmp
// and the same icon for desktop themes.
#pragma once

#include <string>

#include "FontFaces.h"
#include "Output.h"

namespace assetgen {

void writePanelIcons(Output& output);
void writeWindowIcon(Output& output, const FontFaces& faces);
// The same icon for desktop themes: tallix-free-<side>.png for sides 16 to 256 in `folder`.
bool writeThemeIcons(const FontFaces& faces, const std::string& folder);

}  // namespace assetgen
