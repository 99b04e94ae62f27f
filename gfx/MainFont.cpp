// Glyph lists are compiled once; a string costs one list call and one translation per character.
#include "gfx/MainFont.h"

#include "gfx/NarrowText.h"
#include "gfx/TextureBinding.h"
#include "platform/OpenGL.h"

namespace {

constexpr float gridStep = 0.0625f;  // one of 16 cells, in texture units

}  // namespace

CMainFont::CMainFont(uint32_t texture, const std::wstring& iniName)
    : texture_(texture), widths_(readMainFontWidths(iniName)) {
    compileLists();
}

// One allocation of 256 names keeps them consecutive, which release relies on.
void CMainFont::compileLists() {
    GLuint first = glGenLists(256);
    if (first == 0) return;  // no lists: every name stays 0 and calls draw nothing
    for (int code = 0; code < 256; ++code) {
        float t0 = float(code / 16) * gridStep;
        float t1 = t0 + gridStep;
        float centre = float(code % 16) * gridStep + gridStep * 0.5f;
        float uL = centre - widths_[code] * 0.5f;
        float uR = centre + widths_[code] * 0.5f;
        lists_[code] = first + GLuint(code);
        glNewList(lists_[code], GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(uL, t0); glVertex2f(0.0f, cellHeight_);
        glTexCoord2f(uR, t0); glVertex2f(widths_[code], cellHeight_);
        glTexCoord2f(uR, t1); glVertex2f(widths_[code], 0.0f);
        glTexCoord2f(uL, t1); glVertex2f(0.0f, 0.0f);
        glEnd();
        glEndList();
    }
}

void CMainFont::drawRun(const std::string& text) const {
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        glCallList(lists_[code]);
        glTranslatef(widths_[code], 0.0f, 0.0f);
    }
}

void CMainFont::drawText(const std::string& text, float x, float y, float scale, int alignment) const {
    if (alignment != AlignLeft && alignment != AlignRight && alignment != AlignCentre) return;
    bindTexture(texture_);
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glScalef(scale, scale, scale);
    if (alignment == AlignRight) {
        for (auto it = text.rbegin(); it != text.rend(); ++it) {
            unsigned char code = static_cast<unsigned char>(*it);
            glTranslatef(-widths_[code], 0.0f, 0.0f);
            glCallList(lists_[code]);
        }
    } else {
        if (alignment == AlignCentre) glTranslatef(-measureText(widths_, text, 1.0f) * 0.5f, 0.0f, 0.0f);
        drawRun(text);
    }
    glPopMatrix();
}

void CMainFont::drawTextW(const std::wstring& text, float x, float y, float scale, int alignment) const {
    drawText(narrowLow8(text), x, y, scale, alignment);
}

float CMainFont::textWidth(const std::string& text, float scale) const {
    return measureText(widths_, text, scale);
}

void CMainFont::release() {
    if (texture_ != 0) {
        GLuint texture = texture_;
        glDeleteTextures(1, &texture);
        forgetTextureBinding();
        texture_ = 0;
    }
    if (lists_[0] != 0) glDeleteLists(lists_[0], 256);
    lists_.fill(0);
}
