// The animated background: one textured quad between the black bands, its tint gliding through a
// shuffled list of colours.
#pragma once

#include <cstdint>
#include <vector>

#include "app/Animator.h"
#include "game/BackdropCycle.h"

class CTextureCache;

// Owned by the game controller: constructed and loaded once at start-up, drawn first in every
// frame. Settings come from section "GameSettings" of the settings file (BGColorChangeEnabled,
// BGColorChangeSpeed, BGColorChangeTime; only read, never written), the colours from
// "Data\BackColors.ini" (read only while cycling is on).
//
// The cycle: the tint holds for changeTime seconds, counted from the start of a glide, then glides
// to the next colour of the list in 1 / changeSpeed milliseconds; a glide cut short by the next
// change starts that change from the colour reached so far. A changeSpeed that is not positive
// changes the tint at once instead of never. At most maxColours sections are read.
class Backdrop {
public:
    static constexpr int maxColours = 1000;

    Backdrop();                       // shuffles differently in every run (seeded from the calendar time)
    explicit Backdrop(uint32_t seed); // a repeatable shuffle, for tests

    // The texture "Data\Back.dds" and the area (the controller passes 0, 0.65, 0.1, 1), then
    // loadCycle. Needs the GL context.
    void load(CTextureCache& cache, float areaLeft, float areaTop, float areaBottom, float areaRight);
    // Everything of load that needs no GL: settings, colour list and its shuffle, white tint,
    // hold started. The list is rebuilt from the three whites, so calling it again does not grow it.
    void loadCycle();
    // Advances the cycle to now and draws the quad in the tint. No file access, no allocation.
    void draw();
    // The part of draw that needs no GL: at most one colour change, then the tint of this frame.
    void update();
    void drawQuad() const;  // the part that draws: the quad in the tint of the last update

    Animator red, green, blue;          // the tint, one channel each
    Animator hold;                      // milliseconds the current colour has been held
    std::vector<BackdropColour> colours;  // the cycle: three whites plus the file's colours, shuffled
    int32_t colourIndex = 0;            // the colour aimed at last
    float changeTime = 20.0f;           // seconds between two changes
    float changeSpeed = 0.002f;         // a glide takes 1 / changeSpeed milliseconds
    bool changeEnabled = false;         // off until load has read the settings
    uint32_t texture = 0;               // 0: drawn untextured in the tint
    float left = 0.0f, top = 0.0f, bottom = 0.0f, right = 0.0f;
    BackdropColour tint{1.0f, 1.0f, 1.0f};  // the colour of the last update

private:
    void readSettings();
    void readColours();
    void aimAtNextColour();

    BackdropRandom random_;
};
