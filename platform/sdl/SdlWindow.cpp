// Main window creation, pixel format and full-screen mode choice on SDL.
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace platform::sdl {

namespace {

const int largestSide = 16384;  // beyond any screen; a damaged setting must not fail the window

void setColourBits(int bitsPerPixel) {
    int red = 5, green = 5, blue = 5, alpha = 0;
    if (bitsPerPixel >= 32) {
        red = green = blue = alpha = 8;
    } else if (bitsPerPixel >= 24) {
        red = green = blue = 8;
    } else if (bitsPerPixel >= 16) {
        green = 6;
    } else if (bitsPerPixel <= 0) {
        return;  // nothing asked: SDL's default
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, blue);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, alpha);
}

// Read by SDL when the window is created (the X visual is fixed then) and when its context is.
void askPixelFormat(const DisplaySettings& settings) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    setColourBits(settings.bitsPerPixel);
    if (settings.depthBits >= 0) SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, settings.depthBits);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

SDL_Window* createWindow(const std::string& title, const DisplaySettings& settings) {
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    int x = SDL_WINDOWPOS_UNDEFINED, y = SDL_WINDOWPOS_UNDEFINED;
    if (settings.fullScreen) {
        flags |= SDL_WINDOW_BORDERLESS;
        x = y = 0;
    }
    int width = std::clamp(settings.width, 1, largestSide);
    int height = std::clamp(settings.height, 1, largestSide);
    return SDL_CreateWindow(title.c_str(), x, y, width, height, flags);
}

}  // namespace

int closestModeOffer(const std::vector<ModeOffer>& offers, const DisplaySettings& settings) {
    int best = -1;
    int bestRefreshGap = 0, bestBitsGap = 0;
    for (size_t i = 0; i < offers.size(); ++i) {
        const ModeOffer& offer = offers[i];
        if (offer.width != settings.width || offer.height != settings.height) continue;
        int refreshGap = std::abs(offer.refreshRate - settings.frequency);
        int bitsGap = std::abs(offer.bitsPerPixel - settings.bitsPerPixel);
        bool nearer = best < 0 || refreshGap < bestRefreshGap ||
                      (refreshGap == bestRefreshGap && bitsGap < bestBitsGap);
        if (nearer) {
            best = static_cast<int>(i);
            bestRefreshGap = refreshGap;
            bestBitsGap = bitsGap;
        }
    }
    return best;
}

SDL_Window* openMainWindow(const std::string& title, const DisplaySettings& settings) {
    askPixelFormat(settings);
    if (SDL_Window* window = createWindow(title, settings)) return window;
    SDL_GL_ResetAttributes();
    return createWindow(title, settings);
}

void enterFullScreenMode(SDL_Window* window, const DisplaySettings& settings) {
    if (!window || !settings.fullScreen) return;
    int display = std::max(SDL_GetWindowDisplayIndex(window), 0);
    std::vector<SDL_DisplayMode> modes;
    std::vector<ModeOffer> offers;
    for (int i = 0; i < SDL_GetNumDisplayModes(display); ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) != 0) continue;
        modes.push_back(mode);
        offers.push_back({mode.w, mode.h, mode.refresh_rate,
                          static_cast<int>(SDL_BYTESPERPIXEL(mode.format)) * 8});
    }
    int chosen = closestModeOffer(offers, settings);
    if (chosen < 0 || SDL_SetWindowDisplayMode(window, &modes[chosen]) != 0) return;
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN);  // applied when the window is shown
}

}  // namespace platform::sdl
