// The proportional bitmap font of every menu, button, panel and caption text.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gfx/MainFontWidths.h"

// 256 glyphs in a 16 x 16 grid of one texture, each compiled into its own display list at
// construction (the GL context must be current). A glyph quad starts at the pen, is its width wide
// and cellHeight high, and shows a band of the same width centred in its grid cell; drawing takes
// the current colour. Character codes are the unsigned byte values of narrow strings.
class CMainFont {
public:
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };

    // texture: the glyph grid (0 is allowed: the lists are built all the same); iniName: relative
    // to baseDirectory, for example "Data\MainFont.ini".
    CMainFont(uint32_t texture, const std::wstring& iniName);
    CMainFont(const CMainFont&) = delete;
    CMainFont& operator=(const CMainFont&) = delete;

    // (x, y): the bottom-left corner of the line for AlignLeft, the bottom-right for AlignRight, the
    // bottom centre for AlignCentre. Any other alignment draws nothing. The matrix stack is left
    // as it was; the font's texture stays bound.
    void drawText(const std::string& text, float x, float y, float scale, int alignment) const;
    void drawTextW(const std::wstring& text, float x, float y, float scale, int alignment) const;  // low 8 bits per unit
    float textWidth(const std::string& text, float scale) const;  // 0 for an empty string

    uint32_t texture() const { return texture_; }
    float width(unsigned char code) const { return widths_[code]; }  // advance and quad width
    uint32_t list(unsigned char code) const { return lists_[code]; }
    float cellHeight() const { return cellHeight_; }                 // line height before scaling

    // Teardown with the context still current: deletes the texture and the 256 lists. Afterwards
    // the font draws nothing visible; a second call does nothing.
    void release();

private:
    void compileLists();
    void drawRun(const std::string& text) const;  // left to right from the pen

    uint32_t texture_;
    MainFontWidths widths_;
    std::array<uint32_t, 256> lists_{};
    float cellHeight_ = 0.0625f;
};
