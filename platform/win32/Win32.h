// The pieces of the native Windows backend that its files share. Only platform/win32/*.cpp and
// the backend's own tests (tests/windows) include this header: it is the one place outside the GL
// wrapper that pulls in <windows.h>.
//
// Sections: messages | window | temporary files | folder patterns
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "platform/Platform.h"

namespace platform::win32 {

// ---- messages ---------------------------------------------------------------------------------
// The game event a window message stands for; false for messages that mean nothing to the game
// (they get the system's default processing at once). System keys (WM_SYSKEYDOWN) are not key
// presses, double clicks cannot arrive (the class has no CS_DBLCLKS), and pointer positions are the
// signed client coordinates packed in lParam.
bool translateMessage(UINT message, WPARAM wParam, LPARAM lParam, Event& out);

// ---- window -----------------------------------------------------------------------------------
extern const int iconResource;  // 107, the program's icon in tallix.rc

DWORD windowStyle(const DisplaySettings& settings);  // windowed: fixed frame; full screen: pop-up
// Outer size for a client area of settings.width x settings.height, from the fixed-frame and
// caption metrics; full screen asks for the client size itself.
SIZE outerSize(const DisplaySettings& settings);
// Makes the client area exactly the configured size where the metrics above fall short (themed
// frames are wider than the classic fixed frame). Windowed only.
void fitClientArea(HWND window, const DisplaySettings& settings);
// The current mode of the primary display changed to the settings' size, colour bits and refresh
// rate, as a temporary full-screen change. A refresh rate the display refuses is retried at the
// current one. Nothing is reported: a refused mode leaves the desktop as it was.
void changeDisplayMode(const DisplaySettings& settings);
// Double-buffered RGBA with the settings' colour and depth bits (low 8 bits of each).
PIXELFORMATDESCRIPTOR pixelFormat(const DisplaySettings& settings);

// ---- temporary files --------------------------------------------------------------------------
// A file is replaced by writing its new content to a temporary file beside it, flushing that to
// disk and moving it over the old one in one step: a crash leaves the old file or the new one.

// A new, empty file beside `target`, opened for writing. Its name starts with a dot and ends in
// ".tmp", so that a leftover from a crash matches none of the game's patterns.
// INVALID_HANDLE_VALUE on failure.
HANDLE createTemporaryBeside(const std::wstring& target, std::wstring& temporary);
// Writes all of `data`, flushes it to disk and closes `file`, which is closed whatever happens.
bool fillTemporary(HANDLE file, const void* data, size_t size);
// Flushes a closed file's content to disk (after something else wrote to it).
bool flushToDisk(const std::wstring& path);
// Puts a finished temporary file in the target's place (MoveFileExW, replacing, written through);
// a read-only target is not replaced.
// On failure the temporary file is removed and the target is untouched.
bool replaceWithTemporary(const std::wstring& temporary, const std::wstring& target);
// Removes a temporary file that is not wanted after all.
void discardTemporary(const std::wstring& temporary);

}  // namespace platform::win32
