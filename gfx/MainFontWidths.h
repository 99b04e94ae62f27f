// The glyph widths of the main font: what text measures, without any GL.
#pragma once

#include <array>
#include <string>

using MainFontWidths = std::array<float, 256>;  // screen units, indexed by the unsigned byte value

// Section "Char Widths" of baseDirectory + iniName: key "0" … "255", pixels of a 512-pixel-wide
// grid, default 10 for a missing key or file. Each width is the integer times 1/512.
MainFontWidths readMainFontWidths(const std::wstring& iniName);

// The sum of the widths of the bytes of `text`, times scale; 0 for an empty string.
float measureText(const MainFontWidths& widths, const std::string& text, float scale);
