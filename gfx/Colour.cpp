// One INI read per colour component: a missing component keeps its own default.
#include "gfx/Colour.h"

#include "app/IniFile.h"

Colour readColour(const IniFile& ini, const std::wstring& section, const std::wstring& name,
                  const Colour& fallback) {
    static const wchar_t* const suffixes[4] = {L".R", L".G", L".B", L".A"};
    Colour colour;
    for (size_t i = 0; i < colour.size(); ++i) colour[i] = ini.readFloat(section, name + suffixes[i], fallback[i]);
    return colour;
}
