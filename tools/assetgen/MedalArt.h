// Data/MedalGold.dds, MedalSilver.dds, MedalBronze.dds and MedalNone.dds.
#pragma once

#include "Output.h"

namespace assetgen {

void writeMedals(Output& output);

}  // namespace assetgen
