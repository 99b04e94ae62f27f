// The window icon: make-icon's conversion (tools/win32) takes BMP variants in and writes an .ico
// that Windows itself accepts, and tallix.exe carries the result as icon 107, made faithfully from
// the art's Data\Icon.bmp (the test runs in a folder holding tallix.exe and Data).
#include <gtest/gtest.h>

#include "platform/win32/Win32.h"
#include "tests/support/TestFiles.h"
#include "tools/win32/IconFile.h"

namespace {

void put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A BMP with a 40-byte header (and three masks after it for bit fields); pixel rows as given,
// each padded to four bytes.
std::vector<uint8_t> bmp(int width, int height, int bits, uint32_t compression,
                         const std::vector<std::vector<uint8_t>>& rows) {
    size_t masks = compression == 3 ? 12 : 0;
    std::vector<uint8_t> bytes(14 + 40 + masks, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 10, static_cast<uint32_t>(bytes.size()));
    put32(bytes, 14, 40);
    put32(bytes, 18, static_cast<uint32_t>(width));
    put32(bytes, 22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = static_cast<uint8_t>(bits);
    put32(bytes, 30, compression);
    if (masks) {  // red in the low byte, green, blue: the reverse of the usual order
        put32(bytes, 54, 0x000000FF);
        put32(bytes, 58, 0x0000FF00);
        put32(bytes, 62, 0x00FF0000);
    }
    for (auto row : rows) {
        while (row.size() % 4) row.push_back(0);
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

std::vector<uint8_t> pixelAt(const wicon::Bitmap& image, int x, int y) {
    auto at = image.bgra.begin() + (static_cast<size_t>(y) * image.width + x) * 4;
    return std::vector<uint8_t>(at, at + 4);
}

using testsupport::Bytes;

// The colour bitmap of an icon as 32-bit rows from the top; empty when it cannot be read.
Bytes topDownPixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    Bytes pixels(static_cast<size_t>(width) * height * 4);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == height ? pixels : Bytes();
}

// The 64 x 64 icon bitmap's pixel (x, y) as blue, green, red from the top, read without the code
// under test: a 14-byte file header whose pixel offset says where the bottom-up 32-bit rows start.
Bytes artPixel(const Bytes& bmp, int x, int y) {
    auto get32 = [&](size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24; };
    size_t at = static_cast<size_t>(get32(10)) + (static_cast<size_t>(63 - y) * 64 + x) * 4;
    if (bmp.size() < 54 || get32(18) != 64 || get32(22) != 64 || at + 4 > bmp.size()) return Bytes();
    return Bytes(bmp.begin() + at, bmp.begin() + at + 3);
}

}  // namespace

TEST(IconFile, DecodesRowOrderChannelMasksAndMissingAlpha) {
    wicon::Bitmap image;
    std::string error;
    // 24-bit, bottom-up: the first stored row is the bottom one; no alpha means opaque.
    ASSERT_TRUE(wicon::decodeBmp(bmp(1, 2, 24, 0, {{1, 2, 3}, {4, 5, 6}}), image, error));
    EXPECT_EQ(pixelAt(image, 0, 0), (Bytes{4, 5, 6, 255}));
    EXPECT_EQ(pixelAt(image, 0, 1), (Bytes{1, 2, 3, 255}));
    // Top-down (negative height) 32-bit with alpha kept.
    ASSERT_TRUE(wicon::decodeBmp(bmp(1, -2, 32, 0, {{1, 2, 3, 0}, {4, 5, 6, 128}}), image, error));
    EXPECT_EQ(pixelAt(image, 0, 0), (Bytes{1, 2, 3, 0}));
    EXPECT_EQ(pixelAt(image, 0, 1), (Bytes{4, 5, 6, 128}));
    // Bit fields: the masks say where red, green and blue are.
    ASSERT_TRUE(wicon::decodeBmp(bmp(1, 1, 32, 3, {{10, 20, 30, 0}}), image, error));
    EXPECT_EQ(pixelAt(image, 0, 0), (Bytes{30, 20, 10, 255}));
}

TEST(IconFile, RefusesWhatIsNoIconArtWithAReason) {
    wicon::Bitmap image;
    std::string error;
    EXPECT_FALSE(wicon::decodeBmp(Bytes{'B', 'M', 0, 0}, image, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(wicon::decodeBmp(bmp(1, 1, 8, 0, {{0}}), image, error));       // palette image
    EXPECT_FALSE(wicon::decodeBmp(bmp(257, 1, 24, 0, {Bytes(771, 0)}), image, error));  // too wide
    std::vector<uint8_t> cut = bmp(4, 4, 32, 0, {Bytes(16, 1), Bytes(16, 1), Bytes(16, 1),
                                                 Bytes(16, 1)});
    cut.resize(cut.size() - 1);
    EXPECT_FALSE(wicon::decodeBmp(cut, image, error));
}

TEST(IconFile, WindowsMakesAnIconOfTheWrittenImageTransparencyIncluded) {
    wicon::Bitmap image;
    image.width = 40;  // not a multiple of 32: the mask rows are padded
    image.height = 24;
    image.bgra.assign(40 * 24 * 4, 0);
    for (size_t i = 0; i < image.bgra.size(); i += 4) {
        bool opaque = (i / 4) % 40 >= 20;  // the right half
        image.bgra[i] = i < 40 * 4 ? 50 : 200;  // the top row stands out
        image.bgra[i + 3] = opaque ? 255 : 0;
    }
    std::vector<uint8_t> ico = wicon::encodeIco(image);
    ASSERT_GT(ico.size(), 22u);
    EXPECT_TRUE(ico[2] == 1 && ico[4] == 1 && ico[6] == 40 && ico[7] == 24);
    size_t mask = 22 + 40 + 40 * 24 * 4;  // 8 bytes a row: 40 bits padded to 64
    EXPECT_EQ(ico.size(), mask + 8 * 24);
    Bytes bottomRow(ico.begin() + mask, ico.begin() + mask + 8);  // left half transparent
    EXPECT_EQ(bottomRow, (Bytes{0xFF, 0xFF, 0xF0, 0, 0, 0, 0, 0}));
    HICON icon = CreateIconFromResourceEx(ico.data() + 22, static_cast<DWORD>(ico.size() - 22),
                                          TRUE, 0x00030000, 40, 24, 0);
    ASSERT_NE(icon, nullptr);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour;
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 40);
    EXPECT_EQ(colour.bmHeight, 24);
    std::vector<uint8_t> top = topDownPixels(info.hbmColor, 40, 24);
    ASSERT_EQ(top.size(), 40u * 24 * 4);
    EXPECT_EQ(static_cast<int>(top[30 * 4]), 50);                // blue of (30, 0)
    EXPECT_EQ(static_cast<int>(top[(23 * 40 + 30) * 4]), 200);  // blue of (30, 23)
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST(IconFile, TallixExeCarriesIcon107MadeFromTheWindowIconArt) {
    HMODULE module = LoadLibraryExW(L"tallix.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HICON icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(platform::win32::iconResource), IMAGE_ICON, 64, 64, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour;
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 64);
    EXPECT_EQ(colour.bmHeight, 64);
    Bytes shown = topDownPixels(info.hbmColor, 64, 64), art = testsupport::readBytes("Data/Icon.bmp");
    ASSERT_EQ(shown.size(), 64u * 64 * 4);
    for (int probe : {20, 32, 44}) {
        Bytes expected = artPixel(art, probe, probe + 3);
        ASSERT_EQ(expected.size(), 3u) << "Data\\Icon.bmp is no 64 x 64 BMP";
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(shown[((probe + 3) * 64 + probe) * 4 + channel], expected[channel], 2) << probe << " " << channel;
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    FreeLibrary(module);
}
