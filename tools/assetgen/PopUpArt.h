// The digit pop-ups' items: Data/Styles/PopClassic (the ring) and Data/Styles/PopClassicQuad (the
// 3 x 3 keypad), each with 0.dds to 9.dds, the marked look 0ch.dds to 9ch.dds, and shadow.dds.
#pragma once

#include "FontFaces.h"
#include "Output.h"

namespace assetgen {

void writePopUps(Output& output, const FontFaces& faces);

}  // namespace assetgen
