// Colours as the game stores them: red, green, blue, alpha from 0 to 1.
#pragma once

#include <array>
#include <string>

class IniFile;

using Colour = std::array<float, 4>;  // ready for glColor4fv(colour.data())

// Reads the four keys name + ".R", ".G", ".B" and ".A" one by one, each with its own default, so a
// file may set any subset of the components.
Colour readColour(const IniFile& ini, const std::wstring& section, const std::wstring& name,
                  const Colour& fallback);
