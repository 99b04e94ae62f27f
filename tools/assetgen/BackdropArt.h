// The backdrop: Data/Back.dds and the tints it glides through, Data/BackColors.ini.
#pragma once

#include <vector>

#include "Colour.h"
#include "Output.h"

namespace assetgen {

// The tints written to BackColors.ini, in file order (the game shuffles them).
std::vector<Colour> backdropTints();

void writeBackdrop(Output& output);

}  // namespace assetgen
