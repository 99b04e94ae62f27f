// The panel's icons (Data/Zoom.dds, Move.dds, Up.dds, Down.dds) and the window icon Data/Icon.bmp.
#pragma once

#include "FontFaces.h"
#include "Output.h"

namespace assetgen {

void writePanelIcons(Output& output);
void writeWindowIcon(Output& output, const FontFaces& faces);

}  // namespace assetgen
