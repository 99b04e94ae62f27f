// Colours as the game's style files hold them: four components from 0 to 1, straight alpha.
#pragma once

#include <cstdint>

namespace assetgen {

struct Colour {
    double r = 1, g = 1, b = 1, a = 1;
};

// 0xRRGGBB written the way designers pick colours, with an optional opacity.
constexpr Colour rgb(uint32_t hex, double alpha = 1.0) {
    return Colour{((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0,
                  alpha};
}

constexpr Colour withAlpha(Colour colour, double alpha) {
    return Colour{colour.r, colour.g, colour.b, alpha};
}

// Straight mix: t = 0 gives a, t = 1 gives b.
constexpr Colour mix(Colour a, Colour b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                  a.a + (b.a - a.a) * t};
}

}  // namespace assetgen
