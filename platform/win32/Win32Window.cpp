// Window styles and size, the full-screen display mode and the pixel format of the main window.
#include "platform/win32/Win32.h"

#include <algorithm>

namespace platform::win32 {

const int iconResource = 107;

namespace {

const int largestSide = 16384;  // beyond any screen; a damaged setting must not fail the window

int side(int pixels) { return std::clamp(pixels, 1, largestSide); }

}  // namespace

// Windowed: caption and system menu only, so it can be neither resized, minimised nor maximised.
DWORD windowStyle(const DisplaySettings& settings) {
    DWORD clipping = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (settings.fullScreen) return WS_POPUP | WS_MAXIMIZE | clipping;
    return WS_CAPTION | WS_SYSMENU | clipping;
}

SIZE outerSize(const DisplaySettings& settings) {
    SIZE size{side(settings.width), side(settings.height)};
    if (settings.fullScreen) return size;
    size.cx += 2 * GetSystemMetrics(SM_CXFIXEDFRAME);
    size.cy += 2 * GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION);
    return size;
}

// The mouse is scaled by the configured size, so the client area must have exactly that size.
void fitClientArea(HWND window, const DisplaySettings& settings) {
    if (settings.fullScreen) return;
    RECT client, outer;
    if (!GetClientRect(window, &client) || !GetWindowRect(window, &outer)) return;
    int missingX = side(settings.width) - (client.right - client.left);
    int missingY = side(settings.height) - (client.bottom - client.top);
    if (missingX == 0 && missingY == 0) return;
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + missingX,
                 outer.bottom - outer.top + missingY,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// Flat panels rarely offer the traditional 70 Hz default; the size and colour depth matter more
// than the refresh rate, so a refused rate is retried with the display's current one.
void changeDisplayMode(const DisplaySettings& settings) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return;
    mode.dmPelsWidth = static_cast<DWORD>(side(settings.width));
    mode.dmPelsHeight = static_cast<DWORD>(side(settings.height));
    mode.dmBitsPerPel = static_cast<DWORD>(std::max(settings.bitsPerPixel, 0));
    DWORD currentRate = mode.dmDisplayFrequency;
    mode.dmDisplayFrequency = static_cast<DWORD>(std::max(settings.frequency, 0));
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY |
                    DM_DISPLAYFLAGS;
    if (ChangeDisplaySettingsW(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL) return;
    if (mode.dmDisplayFrequency == currentRate) return;
    mode.dmDisplayFrequency = currentRate;
    ChangeDisplaySettingsW(&mode, CDS_FULLSCREEN);
}

PIXELFORMATDESCRIPTOR pixelFormat(const DisplaySettings& settings) {
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = static_cast<BYTE>(settings.bitsPerPixel & 0xFF);
    format.cDepthBits = static_cast<BYTE>(settings.depthBits & 0xFF);
    return format;
}

}  // namespace platform::win32
