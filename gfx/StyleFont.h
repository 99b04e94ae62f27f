// A digit font of a visual style: glyphs 0 to 9 from one row of a texture, upright and slanted.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gfx/Colour.h"
#include "gfx/StyleFontDescription.h"

class CTextureCache;

// Read-only after construction. Each digit has an upright and a slanted display list; a glyph quad
// is digitWidth wide and glyphHeight high at scale 1, with its lower edge at y = 0 and its pen at
// x = 0. The 20 lists have consecutive names starting at uprightList(0) (upright 0, slanted 0,
// upright 1, …); the owning visual style deletes them as one range of listCount. Textures stay in
// the cache.
class CStyleFont {
public:
    static constexpr int listCount = 20;

    // Reads baseDirectory + iniName, loads "map" and "shadow" through the cache and compiles the
    // lists; the GL context must be current.
    CStyleFont(CTextureCache& cache, const std::wstring& iniName);
    // Metrics only, for code that runs without a GL context: no textures, no lists (names 0).
    explicit CStyleFont(const StyleFontDescription& description);
    CStyleFont(const CStyleFont&) = delete;
    CStyleFont& operator=(const CStyleFont&) = delete;

    float glyphHeight() const { return glyphHeight_; }
    uint32_t glyphTexture() const { return glyphTexture_; }    // 0: no "map"
    uint32_t shadowTexture() const { return shadowTexture_; }  // 0: no "shadow"
    float width(int digit) const { return widths_[digit]; }    // advance and quad width
    uint32_t uprightList(int digit) const { return upright_[digit]; }
    uint32_t slantedList(int digit) const { return slanted_[digit]; }
    float shadowOffsetX() const { return shadowOffset_[0]; }   // screen units at scale 1
    float shadowOffsetY() const { return shadowOffset_[1]; }
    const Colour& shadowColour() const { return shadowColour_; }
    bool hasShadow() const { return hasShadow_; }

private:
    CStyleFont(CTextureCache& cache, const StyleFontDescription& description);
    void compileLists(const StyleFontDescription& description);

    float glyphHeight_ = 0.0f;
    uint32_t glyphTexture_ = 0;
    uint32_t shadowTexture_ = 0;
    std::array<float, 10> widths_{};
    std::array<uint32_t, 10> upright_{};
    std::array<uint32_t, 10> slanted_{};
    std::array<float, 2> shadowOffset_{};
    Colour shadowColour_{};
    bool hasShadow_ = false;
};
