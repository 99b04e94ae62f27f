// The button's hover state, hit test and drawing.
#include "ui/Button.h"

#include "gfx/MainFont.h"
#include "gfx/TextureBinding.h"
#include "platform/OpenGL.h"

void uiButton::mouseMove(float px, float py) { state = hitTest(px, py) ? hover : normal; }

bool uiButton::hitTest(float px, float py) {
    return px > x && px < x + width && py > y - height && py < y;
}

void uiButton::sizeToLabel() {
    if (!font) return;
    width = font->textWidth(label, textScale);
    height = font->cellHeight() * textScale;
}

// A state outside 0 to 2 (never set by the game) draws as normal rather than reading past the
// arrays.
void uiButton::draw() {
    if (!visible) return;
    size_t look = state >= normal && state <= pressed ? static_cast<size_t>(state) : 0;
    bindTexture(0);
    glColor4fv(colours[look].data());
    if (!enabled && !caption && textures[look] == 0) {
        const Colour& plain = colours[normal];
        glColor4f(plain[0], plain[1], plain[2], plain[3] * disabledLabelAlpha);
    }
    if (textures[look] != 0) {
        bindTexture(textures[look]);
        if (!enabled) glColor4fv(disabledColour.data());
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 0.0f); glVertex2f(x, y);
        glTexCoord2f(1.0f, 0.0f); glVertex2f(x + width, y);
        glTexCoord2f(1.0f, 1.0f); glVertex2f(x + width, y - height);
        glTexCoord2f(0.0f, 1.0f); glVertex2f(x, y - height);
        glEnd();
    }
    if (!label.empty() && font) font->drawText(label, x, y - height, textScale, CMainFont::AlignLeft);
}
