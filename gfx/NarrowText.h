// Wide names shown on screen or handed to byte-oriented readers keep the low 8 bits of each unit.
#pragma once

#include <string>

// "Data\Zo\x0141m.dds" becomes "Data\ZoAm.dds": no conversion, no failure, one byte per unit.
inline std::string narrowLow8(const std::wstring& text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t unit : text) narrow.push_back(static_cast<char>(static_cast<unsigned char>(unit & 0xFF)));
    return narrow;
}

// The same cut, kept wide: the name under which a byte-oriented reader opens the file. A char
// widened with its sign comes out as its byte.
inline std::wstring low8Name(const std::wstring& name) {
    std::wstring cut(name);
    for (wchar_t& unit : cut) unit = wchar_t(unit & 0xFF);
    return cut;
}
