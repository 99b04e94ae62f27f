// The digit-font INI file: section "global" for everything but the digit widths in "charset".
#include "gfx/StyleFontDescription.h"

#include "app/IniFile.h"
#include "app/Shell.h"

namespace {

const wchar_t* const global = L"global";

// A texture side of 0 would divide by zero in every metric, and a negative one mirrors the glyphs:
// such values keep the default.
int positiveOr(int value, int fallback) { return value > 0 ? value : fallback; }

std::wstring folderOf(const std::wstring& iniName) {
    size_t slash = iniName.rfind(L'\\');
    return slash == std::wstring::npos ? iniName : iniName.substr(0, slash);
}

}  // namespace

float StyleFontDescription::glyphHeight() const { return float(blocksize) / float(width); }

float StyleFontDescription::cellT() const { return float(blocksize) / float(height); }

float StyleFontDescription::digitWidth(int digit) const {
    return (float(charset[digit]) + float(deltaW)) / float(width);  // no integer overflow
}

StyleFontDescription readStyleFontDescription(const std::wstring& iniName) {
    IniFile ini(baseDirectory + iniName);
    StyleFontDescription font;
    font.folder = folderOf(iniName);
    font.map = ini.readString(global, L"map");
    font.shadow = ini.readString(global, L"shadow");
    font.shadowOffset[0] = ini.readFloat(global, L"shadowDelta.X", 0.0f);
    font.shadowOffset[1] = ini.readFloat(global, L"shadowDelta.Y", 0.0f);
    font.shadowColour = readColour(ini, global, L"shadowColor", font.shadowColour);
    font.width = positiveOr(ini.readInt(global, L"width", 512), 512);
    font.height = positiveOr(ini.readInt(global, L"height", 512), 512);
    font.deltaW = ini.readInt(global, L"deltaW", 1);
    font.blocksize = ini.readInt(global, L"blocksize", 48);
    for (int digit = 0; digit < 10; ++digit)
        font.charset[digit] = ini.readInt(L"charset", std::to_wstring(digit), 10);
    return font;
}
