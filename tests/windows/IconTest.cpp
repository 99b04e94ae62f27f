// The game's icon resource: 107 in tallix.exe, the window icon art converted faithfully.
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/win32/Win32.h"
#include "tests/windows/Check.h"

namespace {

struct Rgb {
    int red = -1, green = -1, blue = -1;
};

// Icon.bmp as the art generator writes it: a 14-byte file header, then the pixel offset says
// where the bottom-up 32-bit rows start.
bool artPixel(int x, int y, Rgb& pixel) {
    std::ifstream in(wintest::gameDataPath() + "\\Icon.bmp", std::ios::binary);
    std::vector<uint8_t> bmp((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    if (bmp.size() < 54) return false;
    auto get32 = [&](size_t at) {
        return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24;
    };
    int width = get32(18), height = get32(22);
    size_t row = static_cast<size_t>(height - 1 - y);  // rows are stored bottom-up
    size_t at = static_cast<size_t>(get32(10)) + (row * width + x) * 4;
    if (width != 64 || height != 64 || at + 4 > bmp.size()) return false;
    pixel = {bmp[at + 2], bmp[at + 1], bmp[at]};
    return true;
}

bool iconPixel(HICON icon, int x, int y, Rgb& pixel, int& width, int& height) {
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) return false;
    BITMAP bitmap;
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    width = bitmap.bmWidth;
    height = bitmap.bmHeight;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bgra(static_cast<size_t>(width) * height * 4);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, info.hbmColor, 0, height, bgra.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (rows != height || x >= width || y >= height) return false;
    size_t at = (static_cast<size_t>(y) * width + x) * 4;
    pixel = {bgra[at + 2], bgra[at + 1], bgra[at]};
    return true;
}

bool closeTo(int a, int b) { return a - b <= 2 && b - a <= 2; }

}  // namespace

TEST_CASE("icon: tallix.exe carries icon 107 made from the window icon art") {
    std::wstring exe(wintest::exePath().begin(), wintest::exePath().end());
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(module != nullptr);
    HICON icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(platform::win32::iconResource), IMAGE_ICON, 64, 64, 0));
    REQUIRE(icon != nullptr);
    int width = 0, height = 0;
    for (int probe : {20, 32, 44}) {
        Rgb art, shown;
        REQUIRE(artPixel(probe, probe + 3, art));
        REQUIRE(iconPixel(icon, probe, probe + 3, shown, width, height));
        CHECK(closeTo(shown.red, art.red) && closeTo(shown.green, art.green) &&
              closeTo(shown.blue, art.blue));
    }
    CHECK_EQ(width, 64);
    CHECK_EQ(height, 64);
    DestroyIcon(icon);
    FreeLibrary(module);
}
