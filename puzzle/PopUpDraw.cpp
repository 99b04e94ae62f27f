// Drawing the pop-up and loading its textures: the parts that need a GL context.
#include "puzzle/PopUp.h"

#include "gfx/TextureBinding.h"
#include "gfx/TextureCache.h"
#include "platform/OpenGL.h"

namespace {

const float hoveredColour[3] = {1.0f, 0.8f, 0.0f};

// A square centred on (x, y); texture (0, 0) at its top-left corner, (1, 1) at its bottom-right.
// Call between glBegin(GL_QUADS) and glEnd.
void square(float x, float y, float half) {
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x - half, y + half);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(x + half, y + half);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(x + half, y - half);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(x - half, y - half);
}

}  // namespace

void PPopUp::loadTextures(const std::wstring& folder, CTextureCache& cache) {
    std::wstring prefix = folder + L"\\";
    for (size_t i = 0; i < items_.size(); ++i) {
        std::wstring number = std::to_wstring(i);
        items_[i].plainTexture = cache.getTexture(prefix + number + L".dds");
        items_[i].markedTexture = cache.getTexture(prefix + number + L"ch.dds");
    }
    shadowTexture_ = cache.getTexture(prefix + L"shadow.dds");
}

// Shadows first, then the items; the ring's items move out from the centre as the scale grows.
void PPopUp::draw() {
    if (!open_) return;
    glPushMatrix();
    glTranslatef(centreX_, centreY_, 0.0f);
    float s = advanceScale();
    drawShadows(s);
    placeItems(s);
    drawItems(s);
    glPopMatrix();
}

void PPopUp::drawShadows(float s) const {
    bindTexture(shadowTexture_);
    glBegin(GL_QUADS);
    for (const Item& item : items_) {
        if (&item == hovered_) {
            glColor4f(hoveredColour[0], hoveredColour[1], hoveredColour[2], s);
        } else {
            glColor4f(0.5f, 0.5f, 0.5f, s);
        }
        square(item.x, item.y, item.width / 1.5f * s);
    }
    glEnd();
}

void PPopUp::drawItems(float s) const {
    for (const Item& item : items_) {
        if (&item == hovered_) {
            glColor4f(hoveredColour[0], hoveredColour[1], hoveredColour[2], s);
        } else {
            glColor4f(1.0f, 1.0f, 1.0f, s);
        }
        bindTexture(item.marked ? item.markedTexture : item.plainTexture);
        glBegin(GL_QUADS);
        square(item.x, item.y, item.width / 2 * s);
        glEnd();
    }
}
