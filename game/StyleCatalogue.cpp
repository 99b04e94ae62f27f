// Reading the list of style folders.
#include "game/StyleCatalogue.h"

#include <algorithm>

#include "app/IniFile.h"

const wchar_t* const styleCatalogueName = L"Data\\Styles\\VisualStyles.ini";

std::vector<std::wstring> readStyleCatalogue(const std::wstring& catalogueFile) {
    IniFile catalogue(catalogueFile);
    int count = std::min(catalogue.readInt(L"Styles", L"Count", 0), maxCatalogueEntries);
    std::vector<std::wstring> names;
    for (int i = 0; i < count; ++i) {
        std::wstring name = catalogue.readString(L"Styles", std::to_wstring(i));
        if (!name.empty()) names.push_back(name);
    }
    return names;
}
