// Creating the main window with its pixel format, and the temporary full-screen display mode.
#pragma once

#include "platform/Platform.h"

#include <string>
#include <vector>

struct SDL_Window;

namespace platform::sdl {

// One display mode the screen offers.
struct ModeOffer {
    int width = 0, height = 0;
    int refreshRate = 0;   // Hz, 0 when unknown
    int bitsPerPixel = 0;
};

// The offer of exactly settings.width x settings.height nearest in refresh rate, then in colour
// bits; -1 when no offer has that size.
int closestModeOffer(const std::vector<ModeOffer>& offers, const DisplaySettings& settings);

// A hidden OpenGL window with a client area of the requested size, not resizable; borderless at
// the screen's top-left corner in full screen. Asks for the pixel format of the settings and,
// like a closest-match choice, settles for SDL's default format when that one cannot be had.
SDL_Window* openMainWindow(const std::string& title, const DisplaySettings& settings);

// Switches the screen to the settings' mode while the window is shown, when the screen offers
// that size; otherwise leaves the desktop mode and the window as they are.
void enterFullScreenMode(SDL_Window* window, const DisplaySettings& settings);

}  // namespace platform::sdl
