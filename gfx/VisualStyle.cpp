// Reading "Style.ini" in the order its sections are laid out: cells, fonts, sizes, flags, colours;
// then the medals, which every style takes from "Data\".
#include "gfx/VisualStyle.h"

#include "app/IniFile.h"
#include "app/Shell.h"
#include "gfx/TextureCache.h"
#include "platform/OpenGL.h"

namespace {

const wchar_t* const cells = L"Cells";
const wchar_t* const fonts = L"Fonts";
const Colour opaqueWhite{1.0f, 1.0f, 1.0f, 1.0f};

std::unique_ptr<CStyleFont> makeStyleFont(CTextureCache& cache, const std::wstring& iniName) {
    return std::make_unique<CStyleFont>(cache, iniName);
}

}  // namespace

CVisualStyle::CVisualStyle(const std::wstring& name, CTextureCache& cache)
    : CVisualStyle(name, cache, makeStyleFont) {}

CVisualStyle::CVisualStyle(const std::wstring& name, CTextureCache& cache, const StyleFontMaker& makeFont)
    : name_(name) {
    std::wstring folder = L"Data\\Styles\\" + name + L"\\";
    {
        IniFile ini(baseDirectory + folder + L"Style.ini");
        readCells(ini, folder, cache);
        readFonts(ini, folder, cache, makeFont);
        readLook(ini);
    }
    unusedCellColour_ = {1.0f, 1.0f, 1.0f, 0.0f};
    loadMedals(cache);
}

CVisualStyle::~CVisualStyle() {
    for (auto& entry : fonts_) {
        if (!entry.second) continue;
        uint32_t first = entry.second->uprightList(0);
        if (first != 0) glDeleteLists(first, CStyleFont::listCount);
    }
}

// An empty value asks for the folder itself, which is no ".dds" name and so gives 0.
void CVisualStyle::readCells(const IniFile& ini, const std::wstring& folder, CTextureCache& cache) {
    activeCellTexture_ = cache.getTexture(folder + ini.readString(cells, L"CellActiveMap"));
    handleCellTexture_ = cache.getTexture(folder + ini.readString(cells, L"CellHandleMap"));
    unusedCellTexture_ = cache.getTexture(folder + ini.readString(cells, L"CellUnusedMap"));
}

void CVisualStyle::readFonts(const IniFile& ini, const std::wstring& folder, CTextureCache& cache,
                             const StyleFontMaker& makeFont) {
    activeFont_ = sharedFont(ini.readString(fonts, L"FontActive"), folder, cache, makeFont);
    handleFont_ = sharedFont(ini.readString(fonts, L"FontHandle"), folder, cache, makeFont);
    lockedFont_ = sharedFont(ini.readString(fonts, L"FontLocked"), folder, cache, makeFont);
}

// The table is keyed by the value exactly as written, so "Digits.ini" and "digits.ini" are two
// fonts even where the file system makes them one file.
CStyleFont* CVisualStyle::sharedFont(const std::wstring& file, const std::wstring& folder,
                                     CTextureCache& cache, const StyleFontMaker& makeFont) {
    auto found = fonts_.find(file);
    if (found != fonts_.end()) return found->second.get();
    std::unique_ptr<CStyleFont> font = makeFont(cache, folder + file);
    CStyleFont* shared = font.get();
    fonts_.emplace(file, std::move(font));
    return shared;
}

void CVisualStyle::readLook(const IniFile& ini) {
    activeFontSize_ = ini.readFloat(fonts, L"FontActiveSize", 1.0f);
    activeFontSizePV_ = ini.readFloat(fonts, L"FontActiveSizePV", 1.0f);
    handleFontSize_ = ini.readFloat(fonts, L"FontHandleSize", 1.0f);
    lockedFontSize_ = ini.readFloat(fonts, L"FontLockedSize", 1.0f);
    activeItalic_ = ini.readBool(fonts, L"FontActiveItalic", false);
    handleItalic_ = ini.readBool(fonts, L"FontHandleItalic", false);
    lockedItalic_ = ini.readBool(fonts, L"FontLockedItalic", false);
    activeShadow_ = ini.readBool(fonts, L"FontActiveShadow", false);
    handleShadow_ = ini.readBool(fonts, L"FontHandleShadow", false);
    lockedShadow_ = ini.readBool(fonts, L"FontLockedShadow", false);
    activeColour_ = readColour(ini, fonts, L"FontActiveColor", opaqueWhite);
    activeColourUnCorrect_ = readColour(ini, fonts, L"FontActiveColorUnCorrect", opaqueWhite);
    activeColourPVSelect_ = readColour(ini, fonts, L"FontActiveColorPVSelect", opaqueWhite);
    handleColour_ = readColour(ini, fonts, L"FontHandleColor", opaqueWhite);
    lockedColour_ = readColour(ini, fonts, L"FontLockedColor", opaqueWhite);
}

void CVisualStyle::loadMedals(CTextureCache& cache) {
    goldMedalTexture_ = cache.getTexture(L"Data\\MedalGold.dds");
    silverMedalTexture_ = cache.getTexture(L"Data\\MedalSilver.dds");
    bronzeMedalTexture_ = cache.getTexture(L"Data\\MedalBronze.dds");
    noMedalTexture_ = cache.getTexture(L"Data\\MedalNone.dds");
}
