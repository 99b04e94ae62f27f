// Two lists per digit: the slanted one moves the upper edge right and the lower edge left by a
// fifth of the cell, so the glyph leans right.
#include "gfx/StyleFont.h"

#include "gfx/TextureCache.h"
#include "platform/OpenGL.h"

namespace {

struct GlyphQuad {
    float uL, uR, cellT;  // texture band: t runs from 0 (upper edge) to cellT (lower edge)
    float width, height;  // the quad at scale 1
};

// Corners from the upper left, clockwise; `slant` shifts the upper edge right and the lower left.
void compileGlyph(GLuint list, const GlyphQuad& q, float slant) {
    glNewList(list, GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2f(q.uL, 0.0f);    glVertex2f(slant, q.height);
    glTexCoord2f(q.uR, 0.0f);    glVertex2f(q.width + slant, q.height);
    glTexCoord2f(q.uR, q.cellT); glVertex2f(q.width - slant, 0.0f);
    glTexCoord2f(q.uL, q.cellT); glVertex2f(-slant, 0.0f);
    glEnd();
    glEndList();
}

}  // namespace

CStyleFont::CStyleFont(const StyleFontDescription& description)
    : glyphHeight_(description.glyphHeight()),
      shadowOffset_(description.shadowOffset),
      shadowColour_(description.shadowColour),
      hasShadow_(!description.shadow.empty()) {
    for (int digit = 0; digit < 10; ++digit) widths_[digit] = description.digitWidth(digit);
}

CStyleFont::CStyleFont(CTextureCache& cache, const std::wstring& iniName)
    : CStyleFont(cache, readStyleFontDescription(iniName)) {}

CStyleFont::CStyleFont(CTextureCache& cache, const StyleFontDescription& description)
    : CStyleFont(description) {
    if (!description.map.empty()) glyphTexture_ = cache.getTexture(description.texturePath(description.map));
    if (hasShadow_) shadowTexture_ = cache.getTexture(description.texturePath(description.shadow));
    compileLists(description);
}

// One allocation of 20 names keeps them consecutive for the single-range delete.
void CStyleFont::compileLists(const StyleFontDescription& description) {
    GLuint first = glGenLists(listCount);
    if (first == 0) return;  // no lists: every name stays 0
    float cellU = description.glyphHeight();
    float slant = cellU / 5.0f;
    for (int digit = 0; digit < 10; ++digit) {
        float centre = float(digit) * cellU + cellU / 2.0f;
        GlyphQuad quad{centre - widths_[digit] / 2.0f, centre + widths_[digit] / 2.0f,
                       description.cellT(), widths_[digit], cellU};
        upright_[digit] = first + GLuint(2 * digit);
        slanted_[digit] = upright_[digit] + 1;
        compileGlyph(upright_[digit], quad, 0.0f);
        compileGlyph(slanted_[digit], quad, slant);
    }
}
