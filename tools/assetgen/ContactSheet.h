// A contact sheet of every image written: each on a checkerboard so transparency shows, with its
// name. For looking at the art, not for the game; it is written outside Data.
#pragma once

#include <string>

#include "FontFaces.h"
#include "Output.h"

namespace assetgen {

bool writeContactSheet(const Output& output, const FontFaces& faces, const std::string& file);

}  // namespace assetgen
