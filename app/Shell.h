// Process-wide values of the shell: one of each for the life of the process.
#pragma once

#include <string>

#include "platform/Platform.h"

extern bool quitRequested;          // ends the main loop when set (the menu's Exit sets it too)
extern std::wstring baseDirectory;  // working directory at start-up followed by a backslash

// The one settings file, relative to baseDirectory. Every reader and writer uses this spelling so a
// case-sensitive file system never ends up with two files; an existing "settings.ini" is still
// found, because the file layer matches names without regard to case when they exist.
extern const wchar_t* const settingsFileName;  // "Settings.ini"

// Section "System" of the settings file, read once at start-up and never changed while running.
struct SystemSettings {
    platform::DisplaySettings display;  // BitsPerPixel, DepthBits, Width, Height, Frequency, FullScreen
    bool waitForVSynch = false;         // WaitForVSynch: swap interval 1 instead of 0
    bool showFps = true;                // ShowFPS: draw the frames-per-second overlay
};
extern SystemSettings systemSettings;

// Drawing modes switched by the window procedure (F1, F2).
extern bool wireframe;   // polygons drawn as lines; initially off
extern bool texturing;   // 2D texturing; initially on
