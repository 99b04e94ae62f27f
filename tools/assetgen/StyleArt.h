// Every style folder below Data/Styles ("Style.ini", three cell images, three digit fonts) and
// the catalogue "Data/Styles/VisualStyles.ini" that lists them.
#pragma once

#include "FontFaces.h"
#include "Output.h"
#include "Styles.h"

namespace assetgen {

// The file names every style folder uses.
constexpr const char* CellActiveFile = "CellActive.dds";
constexpr const char* CellClueFile = "CellClue.dds";
constexpr const char* CellUnusedFile = "CellUnused.dds";

void writeStyle(Output& output, const FontFaces& faces, const StyleDesign& style);
void writeStyles(Output& output, const FontFaces& faces);

}  // namespace assetgen
