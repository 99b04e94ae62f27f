// Widths come from the INI file one key per character code, as the font tools write them.
#include "gfx/MainFontWidths.h"

#include "app/IniFile.h"
#include "app/Shell.h"

namespace {

constexpr int defaultWidthPixels = 10;
constexpr float unitsPerPixel = 0.001953125f;  // 1/512: the grid is 512 pixels wide

}  // namespace

MainFontWidths readMainFontWidths(const std::wstring& iniName) {
    IniFile ini(baseDirectory + iniName);
    MainFontWidths widths;
    for (int code = 0; code < 256; ++code)
        widths[code] = float(ini.readInt(L"Char Widths", std::to_wstring(code), defaultWidthPixels)) * unitsPerPixel;
    return widths;
}

float measureText(const MainFontWidths& widths, const std::string& text, float scale) {
    float total = 0.0f;
    for (char c : text) total += widths[static_cast<unsigned char>(c)];
    return total * scale;
}
