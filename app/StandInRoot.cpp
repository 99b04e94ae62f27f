// The placeholder root: one quad gliding left and right, its colour following its position.
#include "app/StandInRoot.h"

#include "platform/OpenGL.h"
#include "platform/Platform.h"

namespace {

// 0 -> 1 -> 0 over `periodMs`, without jumps.
float triangleWave(uint32_t tick, uint32_t periodMs) {
    float t = static_cast<float>(tick % periodMs) / static_cast<float>(periodMs);
    return t < 0.5f ? 2.0f * t : 2.0f - 2.0f * t;
}

}  // namespace

void CStandInRoot::draw() {
    const float size = 0.15f;
    float travel = triangleWave(platform::tickCount(), 8000u);
    float left = 0.1f + travel * (0.8f - size);
    float bottom = 0.3f;
    glDisable(GL_TEXTURE_2D);
    glColor4f(travel, 0.4f, 1.0f - travel, 1.0f);
    glBegin(GL_QUADS);
    glVertex2f(left, bottom);
    glVertex2f(left + size, bottom);
    glVertex2f(left + size, bottom + size);
    glVertex2f(left, bottom + size);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

RootElement makeStandInRoot() {
    RootElement root;
    root.control = std::make_unique<CStandInRoot>();
    root.drawFps = [](float) {};
    return root;
}
