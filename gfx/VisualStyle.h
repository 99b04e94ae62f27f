// The look of the board: one style folder below "Data\Styles\" read into memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "gfx/Colour.h"
#include "gfx/StyleFont.h"

class CTextureCache;
class IniFile;

// Builds the digit font of one font description file (relative to the working directory).
using StyleFontMaker = std::function<std::unique_ptr<CStyleFont>(CTextureCache&, const std::wstring& iniName)>;

// Three cell textures, three digit fonts with their sizes, italic and shadow flags and colours,
// and the four medal textures, from "Data\Styles\" + name + "\Style.ini". Missing files and keys
// give defaults (no textures, sizes 1, flags off, opaque white). Font keys naming the same file,
// compared exactly, share one CStyleFont. Only the unused cell colour's alpha changes after
// construction. The GL context must be current for construction and destruction.
class CVisualStyle {
public:
    CVisualStyle(const std::wstring& name, CTextureCache& cache);
    CVisualStyle(const std::wstring& name, CTextureCache& cache, const StyleFontMaker& makeFont);
    ~CVisualStyle();  // deletes each font's 20 lists once; textures stay in the cache
    CVisualStyle(const CVisualStyle&) = delete;
    CVisualStyle& operator=(const CVisualStyle&) = delete;

    uint32_t handleCellTexture() const { return handleCellTexture_; }
    uint32_t activeCellTexture() const { return activeCellTexture_; }
    uint32_t unusedCellTexture() const { return unusedCellTexture_; }
    const Colour& unusedCellColour() const { return unusedCellColour_; }  // (1, 1, 1, opacity)
    void setUnusedCellAlpha(float alpha) { unusedCellColour_[3] = alpha; }  // the view style's opacity

    const CStyleFont* activeFont() const { return activeFont_; }
    const CStyleFont* handleFont() const { return handleFont_; }
    const CStyleFont* lockedFont() const { return lockedFont_; }
    float activeFontSize() const { return activeFontSize_; }
    float activeFontSizePV() const { return activeFontSizePV_; }
    float handleFontSize() const { return handleFontSize_; }
    float lockedFontSize() const { return lockedFontSize_; }
    bool activeItalic() const { return activeItalic_; }
    bool handleItalic() const { return handleItalic_; }
    bool lockedItalic() const { return lockedItalic_; }
    bool activeShadow() const { return activeShadow_; }
    bool handleShadow() const { return handleShadow_; }
    bool lockedShadow() const { return lockedShadow_; }
    const Colour& activeColour() const { return activeColour_; }
    const Colour& activeColourUnCorrect() const { return activeColourUnCorrect_; }
    const Colour& activeColourPVSelect() const { return activeColourPVSelect_; }
    const Colour& handleColour() const { return handleColour_; }
    const Colour& lockedColour() const { return lockedColour_; }

    uint32_t goldMedalTexture() const { return goldMedalTexture_; }
    uint32_t silverMedalTexture() const { return silverMedalTexture_; }
    uint32_t bronzeMedalTexture() const { return bronzeMedalTexture_; }
    uint32_t noMedalTexture() const { return noMedalTexture_; }

    const std::wstring& name() const { return name_; }  // the folder name below "Data\Styles\"
    size_t fontCount() const { return fonts_.size(); }  // distinct font files of the style

private:
    void readCells(const IniFile& ini, const std::wstring& folder, CTextureCache& cache);
    void readFonts(const IniFile& ini, const std::wstring& folder, CTextureCache& cache,
                   const StyleFontMaker& makeFont);
    CStyleFont* sharedFont(const std::wstring& file, const std::wstring& folder, CTextureCache& cache,
                           const StyleFontMaker& makeFont);
    void readLook(const IniFile& ini);
    void loadMedals(CTextureCache& cache);

    uint32_t handleCellTexture_ = 0;
    uint32_t activeCellTexture_ = 0;
    uint32_t unusedCellTexture_ = 0;
    Colour unusedCellColour_{1.0f, 1.0f, 1.0f, 0.0f};
    CStyleFont* activeFont_ = nullptr;
    CStyleFont* handleFont_ = nullptr;
    CStyleFont* lockedFont_ = nullptr;
    float activeFontSize_ = 1.0f;
    float activeFontSizePV_ = 1.0f;
    float handleFontSize_ = 1.0f;
    float lockedFontSize_ = 1.0f;
    bool activeItalic_ = false;
    bool handleItalic_ = false;
    bool lockedItalic_ = false;
    bool activeShadow_ = false;
    bool handleShadow_ = false;
    bool lockedShadow_ = false;
    Colour activeColour_{1.0f, 1.0f, 1.0f, 1.0f};
    Colour activeColourUnCorrect_{1.0f, 1.0f, 1.0f, 1.0f};
    Colour activeColourPVSelect_{1.0f, 1.0f, 1.0f, 1.0f};
    Colour handleColour_{1.0f, 1.0f, 1.0f, 1.0f};
    Colour lockedColour_{1.0f, 1.0f, 1.0f, 1.0f};
    uint32_t goldMedalTexture_ = 0;
    uint32_t silverMedalTexture_ = 0;
    uint32_t bronzeMedalTexture_ = 0;
    uint32_t noMedalTexture_ = 0;
    std::wstring name_;
    std::map<std::wstring, std::unique_ptr<CStyleFont>> fonts_;  // by file name as written
};
