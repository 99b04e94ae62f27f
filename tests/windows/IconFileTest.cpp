// The window icon: make-icon's conversion (tools/win32) writes an .ico that Windows itself accepts,
// and tallix.exe carries the result as icon 107, made faithfully from the art's Data\Icon.bmp (the
// test runs in a folder holding tallix.exe and Data); what is no BMP is refused with a reason.
#include <gtest/gtest.h>

#include "platform/win32/Win32.h"
#include "tests/support/TestFiles.h"
#include "tools/win32/IconFile.h"

using testsupport::Bytes;
using testsupport::le32;

namespace {

// The colour bitmap of an icon as 32-bit rows from the top, the icon destroyed; empty when it is
// not of that size or cannot be read.
Bytes iconPixels(HICON icon, int width, int height) {
    ICONINFO info;
    if (!icon || !GetIconInfo(icon, &info)) return Bytes();
    BITMAP colour;
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Bytes pixels(static_cast<size_t>(width) * height * 4);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, info.hbmColor, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    return rows == height && colour.bmWidth == width && colour.bmHeight == height ? pixels : Bytes();
}

// The 64 x 64 icon bitmap's pixel (x, y) as blue, green, red from the top, read without the code
// under test: a 14-byte file header whose pixel offset says where the bottom-up 32-bit rows start.
Bytes artPixel(const Bytes& bmp, int x, int y) {
    if (bmp.size() < 54 || le32(bmp, 18) != 64 || le32(bmp, 22) != 64) return Bytes();
    const size_t at = le32(bmp, 10) + (static_cast<size_t>(63 - y) * 64 + x) * 4;
    return at + 4 > bmp.size() ? Bytes() : Bytes(bmp.begin() + at, bmp.begin() + at + 3);
}

}  // namespace

TEST(IconFile, WindowsMakesAnIconOfTheWrittenImageTransparencyIncluded) {
    wicon::Bitmap image{40, 24, Bytes(40 * 24 * 4, 0)};  // 40 wide, not a multiple of 32: mask rows are padded
    for (size_t i = 0; i < image.bgra.size(); i += 4) {
        image.bgra[i] = i < 40 * 4 ? 50 : 200;                // the top row stands out
        image.bgra[i + 3] = (i / 4) % 40 >= 20 ? 255 : 0;  // the right half is opaque
    }
    Bytes ico = wicon::encodeIco(image);
    ASSERT_GT(ico.size(), 22u);
    EXPECT_TRUE(ico[2] == 1 && ico[4] == 1 && ico[6] == 40 && ico[7] == 24);
    size_t mask = 22 + 40 + 40 * 24 * 4;  // 8 bytes a row: 40 bits padded to 64
    EXPECT_EQ(ico.size(), mask + 8 * 24);
    EXPECT_EQ(Bytes(ico.begin() + mask, ico.begin() + mask + 8), (Bytes{0xFF, 0xFF, 0xF0, 0, 0, 0, 0, 0}));
    Bytes top = iconPixels(CreateIconFromResourceEx(ico.data() + 22, static_cast<DWORD>(ico.size() - 22), TRUE,
                                                    0x00030000, 40, 24, 0), 40, 24);
    ASSERT_EQ(top.size(), 40u * 24 * 4);
    EXPECT_EQ(static_cast<int>(top[30 * 4]), 50);                // blue of (30, 0)
    EXPECT_EQ(static_cast<int>(top[(23 * 40 + 30) * 4]), 200);  // blue of (30, 23)
}

TEST(IconFile, TallixExeCarriesIcon107MadeFromTheWindowIconArt) {
    HMODULE module = LoadLibraryExW(L"tallix.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    Bytes shown = iconPixels(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(platform::win32::iconResource),
                                                           IMAGE_ICON, 64, 64, 0)), 64, 64);
    FreeLibrary(module);
    ASSERT_EQ(shown.size(), 64u * 64 * 4);
    Bytes art = testsupport::readBytes("Data/Icon.bmp");
    wicon::Bitmap image;
    std::string error;
    EXPECT_TRUE(wicon::decodeBmp(art, image, error) && image.width == 64) << error;
    EXPECT_FALSE(wicon::decodeBmp(Bytes(art.begin(), art.end() - 1), image, error));  // a row cut short
    EXPECT_FALSE(wicon::decodeBmp(Bytes{'B', 'M', 0, 0}, image, error) || error.empty());
    for (int probe : {20, 32, 44}) {
        Bytes expected = artPixel(art, probe, probe + 3);
        ASSERT_EQ(expected.size(), 3u) << "Data\\Icon.bmp is no 64 x 64 BMP";
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(shown[((probe + 3) * 64 + probe) * 4 + channel], expected[channel], 2) << probe << " " << channel;
    }
}
