// The catalogue of installed visual styles: "Data\Styles\VisualStyles.ini", section "Styles".
#pragma once

#include <string>
#include <vector>

// The folder names of keys "0" to Count - 1, in key order; blank or missing keys are skipped and
// leave no gap. `catalogueFile` is the full path (normally baseDirectory +
// "Data\Styles\VisualStyles.ini"); a missing file gives Count 0 and no names. A Count beyond
// maxCatalogueEntries is cut there, so a damaged file cannot keep start-up busy for minutes.
std::vector<std::wstring> readStyleCatalogue(const std::wstring& catalogueFile);

constexpr int maxCatalogueEntries = 1000;

extern const wchar_t* const styleCatalogueName;  // "Data\Styles\VisualStyles.ini"
