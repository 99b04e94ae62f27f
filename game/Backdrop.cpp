// Loading the backdrop's settings and colours, running its colour cycle and drawing its quad.
#include "game/Backdrop.h"

#include <ctime>
#include <string>

#include "app/IniFile.h"
#include "app/Shell.h"
#include "gfx/TextureBinding.h"
#include "gfx/TextureCache.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"

namespace {

const BackdropColour white{1.0f, 1.0f, 1.0f};

}  // namespace

Backdrop::Backdrop() : Backdrop(static_cast<uint32_t>(std::time(nullptr))) {}

Backdrop::Backdrop(uint32_t seed) : colours(3, white), random_(seed) {}

void Backdrop::load(CTextureCache& cache, float areaLeft, float areaTop, float areaBottom, float areaRight) {
    texture = cache.getTexture(L"Data\\Back.dds");
    left = areaLeft;
    top = areaTop;
    bottom = areaBottom;
    right = areaRight;
    loadCycle();
}

void Backdrop::loadCycle() {
    colours.assign(3, white);
    colourIndex = 0;
    readSettings();
    if (!changeEnabled) return;
    readColours();
    shuffleColours(colours, random_);
    for (Animator* channel : {&red, &green, &blue}) channel->value = 1.0f;
    tint = white;
    hold.from = 0.0f;
    hold.value = 0.0f;
    hold.to = changeTime * 1000.0f;
    hold.speed = 1.0f;
    hold.restart();
}

void Backdrop::readSettings() {
    IniFile settings(baseDirectory + settingsFileName);
    changeEnabled = settings.readBool(L"GameSettings", L"BGColorChangeEnabled", true);
    changeSpeed = settings.readFloat(L"GameSettings", L"BGColorChangeSpeed", 0.002f);
    changeTime = settings.readFloat(L"GameSettings", L"BGColorChangeTime", 20.0f);
}

// Missing sections and keys give white; values above 255 give channels above 1, which GL clamps.
void Backdrop::readColours() {
    std::wstring file = baseDirectory + L"Data\\BackColors.ini";
    int count = platform::profileInt(file, L"BackColors", L"count", 0);
    if (count > maxColours) count = maxColours;
    for (int i = 0; i < count; ++i) {
        std::wstring section = L"color" + std::to_wstring(i);
        colours.push_back({platform::profileInt(file, section, L"r", 255) / 255.0f,
                           platform::profileInt(file, section, L"g", 255) / 255.0f,
                           platform::profileInt(file, section, L"b", 255) / 255.0f});
    }
}

void Backdrop::aimAtNextColour() {
    colourIndex = colourIndex + 1 < static_cast<int32_t>(colours.size()) ? colourIndex + 1 : 0;
    const BackdropColour& target = colours[static_cast<size_t>(colourIndex)];
    startGlide(red, target[0], changeSpeed);
    startGlide(green, target[1], changeSpeed);
    startGlide(blue, target[2], changeSpeed);
}

void Backdrop::update() {
    if (!changeEnabled) {
        tint = white;
        return;
    }
    uint32_t elapsed = platform::tickCount() - hold.lastTick;
    hold.advance(elapsed);
    if (!hold.active) {
        aimAtNextColour();
        hold.restart();
    }
    red.advance(elapsed);
    green.advance(elapsed);
    blue.advance(elapsed);
    tint = {red.value, green.value, blue.value};
}

void Backdrop::draw() {
    update();
    drawQuad();
}

void Backdrop::drawQuad() const {
    glColor4f(tint[0], tint[1], tint[2], 1.0f);
    bindTexture(texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f); glVertex2f(left, bottom);
    glTexCoord2f(0.0f, 0.0f); glVertex2f(left, top);
    glTexCoord2f(1.0f, 0.0f); glVertex2f(right, top);
    glTexCoord2f(1.0f, 1.0f); glVertex2f(right, bottom);
    glEnd();
}
