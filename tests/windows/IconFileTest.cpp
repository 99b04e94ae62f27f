// make-icon's conversion (tools/win32): BMP variants in, an .ico that Windows itself accepts out.
#include "platform/win32/Win32.h"
#include "tests/windows/Check.h"
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

using Bytes = std::vector<uint8_t>;

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

}  // namespace

TEST_CASE("icon file: row order, channel masks and missing alpha") {
    wicon::Bitmap image;
    std::string error;
    // 24-bit, bottom-up: the first stored row is the bottom one; no alpha means opaque.
    REQUIRE(wicon::decodeBmp(bmp(1, 2, 24, 0, {{1, 2, 3}, {4, 5, 6}}), image, error));
    CHECK((pixelAt(image, 0, 0) == Bytes{4, 5, 6, 255}));
    CHECK((pixelAt(image, 0, 1) == Bytes{1, 2, 3, 255}));
    // Top-down (negative height) 32-bit with alpha kept.
    REQUIRE(wicon::decodeBmp(bmp(1, -2, 32, 0, {{1, 2, 3, 0}, {4, 5, 6, 128}}), image, error));
    CHECK((pixelAt(image, 0, 0) == Bytes{1, 2, 3, 0}));
    CHECK((pixelAt(image, 0, 1) == Bytes{4, 5, 6, 128}));
    // Bit fields: the masks say where red, green and blue are.
    REQUIRE(wicon::decodeBmp(bmp(1, 1, 32, 3, {{10, 20, 30, 0}}), image, error));
    CHECK((pixelAt(image, 0, 0) == Bytes{30, 20, 10, 255}));
}

TEST_CASE("icon file: what is no icon art is refused with a reason") {
    wicon::Bitmap image;
    std::string error;
    CHECK(!wicon::decodeBmp(Bytes{'B', 'M', 0, 0}, image, error));
    CHECK(!error.empty());
    CHECK(!wicon::decodeBmp(bmp(1, 1, 8, 0, {{0}}), image, error));       // palette image
    CHECK(!wicon::decodeBmp(bmp(257, 1, 24, 0, {Bytes(771, 0)}), image, error));  // too wide
    std::vector<uint8_t> cut = bmp(4, 4, 32, 0, {Bytes(16, 1), Bytes(16, 1), Bytes(16, 1),
                                                 Bytes(16, 1)});
    cut.resize(cut.size() - 1);
    CHECK(!wicon::decodeBmp(cut, image, error));
}

TEST_CASE("icon file: Windows makes an icon of the written image, transparency included") {
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
    REQUIRE(ico.size() > 22);
    CHECK(ico[2] == 1 && ico[4] == 1 && ico[6] == 40 && ico[7] == 24);
    size_t mask = 22 + 40 + 40 * 24 * 4;  // 8 bytes a row: 40 bits padded to 64
    CHECK_EQ(ico.size(), mask + 8 * 24);
    Bytes bottomRow(ico.begin() + mask, ico.begin() + mask + 8);  // left half transparent
    CHECK((bottomRow == Bytes{0xFF, 0xFF, 0xF0, 0, 0, 0, 0, 0}));
    HICON icon = CreateIconFromResourceEx(ico.data() + 22, static_cast<DWORD>(ico.size() - 22),
                                          TRUE, 0x00030000, 40, 24, 0);
    REQUIRE(icon != nullptr);
    ICONINFO info;
    REQUIRE(GetIconInfo(icon, &info));
    BITMAP colour;
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    CHECK_EQ(colour.bmWidth, 40);
    CHECK_EQ(colour.bmHeight, 24);
    std::vector<uint8_t> top = topDownPixels(info.hbmColor, 40, 24);
    REQUIRE(top.size() == 40 * 24 * 4);
    CHECK_EQ(static_cast<int>(top[30 * 4]), 50);                // blue of (30, 0)
    CHECK_EQ(static_cast<int>(top[(23 * 40 + 30) * 4]), 200);  // blue of (30, 23)
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}
