// Sections: file layout | header | pixel formats | level sizes | surfaces | CImageFile |
// first face in place
#include "gfx/DdsImage.h"

#include <algorithm>
#include <cstring>

#include "gfx/NarrowText.h"
#include "platform/Platform.h"

namespace nv_dds {
namespace {

// ---- file layout ------------------------------------------------------------------------------
constexpr size_t HeaderEnd = 4 + 124;  // the magic "DDS " and the header; pixel data follows

constexpr uint32_t DdpfFourCC = 0x4;
constexpr uint32_t DdpfRgb = 0x40;
constexpr uint32_t DdpfRgbAlpha = 0x41;  // DDPF_RGB | DDPF_ALPHAPIXELS
constexpr uint32_t Caps2Cubemap = 0x200;
constexpr uint32_t Caps2Volume = 0x200000;
constexpr uint32_t FourCCDxt1 = 0x31545844;  // "DXT1" read little-endian
constexpr uint32_t FourCCDxt3 = 0x33545844;
constexpr uint32_t FourCCDxt5 = 0x35545844;
constexpr size_t CubemapFaces = 6;

// ---- header -----------------------------------------------------------------------------------
// The fields the reader uses; the rest of the header is not consulted.
struct Header {
    uint32_t height, width, depth, mipMapCount;
    uint32_t pixelFlags, fourCC, rgbBitCount;
    uint32_t caps2;
};

uint32_t readLe32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

// The magic and a whole header: parseHeader may read it.
bool hasHeader(const uint8_t* data, size_t size) {
    return data != nullptr && size >= HeaderEnd && std::memcmp(data, "DDS ", 4) == 0;
}

// file points at the magic; at least HeaderEnd bytes are there.
Header parseHeader(const uint8_t* file) {
    Header header;
    header.height = readLe32(file + 12);
    header.width = readLe32(file + 16);
    header.depth = readLe32(file + 24);
    header.mipMapCount = readLe32(file + 28);
    header.pixelFlags = readLe32(file + 80);
    header.fourCC = readLe32(file + 84);
    header.rgbBitCount = readLe32(file + 88);
    header.caps2 = readLe32(file + 112);
    return header;
}

// A volume wins over a cube map when both bits are set.
int32_t kindOf(const Header& header) {
    int32_t kind = TextureFlat;
    if (header.caps2 & Caps2Cubemap)
        kind = TextureCubemap;
    if ((header.caps2 & Caps2Volume) && header.depth > 0)
        kind = Texture3D;
    return kind;
}

// ---- pixel formats ----------------------------------------------------------------------------
struct PixelFormat {
    uint32_t format = 0;
    int32_t components = 0;
};

bool compressedFormatOf(uint32_t fourCC, PixelFormat& out) {
    switch (fourCC) {
    case FourCCDxt1: out = {FormatDxt1, 3}; return true;
    case FourCCDxt3: out = {FormatDxt3, 4}; return true;
    case FourCCDxt5: out = {FormatDxt5, 4}; return true;
    default: return false;
    }
}

// Uncompressed data is matched on the whole flags value, not on single bits.
bool uncompressedFormatOf(uint32_t flags, uint32_t bits, PixelFormat& out) {
    if (bits == 32 && (flags == DdpfRgb || flags == DdpfRgbAlpha))
        out = {FormatBgra, 4};
    else if (bits == 24 && flags == DdpfRgb)
        out = {FormatBgr, 3};
    else if (bits == 8)
        out = {FormatLuminance, 1};
    else
        return false;
    return true;
}

bool pixelFormatOf(const Header& header, PixelFormat& out) {
    if (header.pixelFlags & DdpfFourCC)
        return compressedFormatOf(header.fourCC, out);
    return uncompressedFormatOf(header.pixelFlags, header.rgbBitCount, out);
}

// ---- level sizes ------------------------------------------------------------------------------
// Bytes of one level. With sides of at most MaxSide this cannot overflow 64 bits.
uint64_t levelBytes(const PixelFormat& pixel, uint32_t width, uint32_t height, uint32_t depth) {
    uint64_t blockBytes = 0;
    if (pixel.format == FormatDxt1)
        blockBytes = 8;
    else if (pixel.format == FormatDxt3 || pixel.format == FormatDxt5)
        blockBytes = 16;
    if (blockBytes != 0)
        return (uint64_t(width) + 3) / 4 * ((uint64_t(height) + 3) / 4) * blockBytes * depth;
    return uint64_t(width) * height * uint64_t(pixel.components) * depth;
}

bool sideAccepted(uint32_t side) { return side >= 1 && side <= CImageFile::MaxSide; }

uint32_t halved(uint32_t side) { return std::max<uint32_t>(side / 2, 1); }

// ---- surfaces ---------------------------------------------------------------------------------
// The pixel data after the header, consumed level by level.
struct PixelData {
    const uint8_t* bytes;
    size_t size;
    size_t offset = 0;
};

// Takes the next level out of the data. Bytes past the end of the data read as zeros. A level is
// never larger than level 0, which the caller has checked fits in 32 bits.
void readLevel(PixelData& data, CSurface& surface, uint32_t width, uint32_t height, uint32_t depth,
               uint64_t bytes) {
    const uint32_t size = uint32_t(bytes);
    const size_t available = data.size - data.offset;
    if (available >= size) {
        surface.setPixels(width, height, depth, size, data.bytes + data.offset);
        data.offset += size;
        return;
    }
    std::vector<uint8_t> padded(size, 0);
    if (available > 0)
        std::memcpy(padded.data(), data.bytes + data.offset, available);
    surface.setPixels(width, height, depth, size, padded.data());
    data.offset = data.size;
}

// Level 0 of one face, then its mipmaps, each half the size of the one before (floored at 1).
void readFace(PixelData& data, CTexture& face, const PixelFormat& pixel, uint32_t width,
              uint32_t height, uint32_t depth, uint32_t mipmapCount) {
    readLevel(data, face, width, height, depth, levelBytes(pixel, width, height, depth));
    for (uint32_t level = 1; level <= mipmapCount; ++level) {
        width = halved(width);
        height = halved(height);
        depth = halved(depth);
        readLevel(data, face.appendMipmap(), width, height, depth,
                  levelBytes(pixel, width, height, depth));
    }
}

// dwMipMapCount counts level 0; 0 means the same as 1. It is obeyed past 1 x 1, up to MaxLevels.
uint32_t mipmapCountOf(const Header& header) {
    const uint32_t levels = std::min(header.mipMapCount, CImageFile::MaxLevels);
    return levels == 0 ? 0 : levels - 1;
}

// Every check that can refuse the file: what readMemory and locateFirstFace both refuse.
bool acceptedHeader(const uint8_t* data, size_t size, Header& header, PixelFormat& pixel, uint32_t& depth) {
    if (!hasHeader(data, size))
        return false;
    header = parseHeader(data);
    if (!pixelFormatOf(header, pixel))
        return false;
    depth = header.depth == 0 ? 1 : header.depth;
    if (!sideAccepted(header.width) || !sideAccepted(header.height) || !sideAccepted(depth))
        return false;
    const uint64_t level0 = levelBytes(pixel, header.width, header.height, depth);
    return level0 <= UINT32_MAX && level0 <= size - HeaderEnd;
}

}  // namespace

// ---- CImageFile -------------------------------------------------------------------------------

void CImageFile::clear() {
    format_ = 0;
    components_ = 0;
    kind_ = TextureNone;
    textures_.clear();
}

bool CImageFile::readFile(const std::string& fileName) {
    clear();
    std::vector<uint8_t> bytes;
    if (!platform::readWholeFile(low8Name(std::wstring(fileName.begin(), fileName.end())), bytes))
        return false;
    return readMemory(bytes.data(), bytes.size());
}

// Every check that can refuse the file runs before the first pixel byte is allocated. The kind is
// kept even when the pixel format is refused.
bool CImageFile::readMemory(const uint8_t* data, size_t size) {
    clear();
    Header header;
    PixelFormat pixel;
    uint32_t depth = 1;
    bool accepted = acceptedHeader(data, size, header, pixel, depth);
    if (hasHeader(data, size))
        kind_ = kindOf(header);
    if (!accepted)
        return false;

    format_ = pixel.format;
    components_ = pixel.components;
    PixelData pixels{data + HeaderEnd, size - HeaderEnd};
    const size_t faces = kind_ == TextureCubemap ? CubemapFaces : 1;
    textures_.resize(faces);
    for (CTexture& face : textures_)
        readFace(pixels, face, pixel, header.width, header.height, depth, mipmapCountOf(header));
    return true;
}

// ---- first face in place ----------------------------------------------------------------------

// The levels as readFace would take them, but pointing into the data; the face's end is counted
// on past a level that would need padding with zeros, so the caller can pad the data to it.
bool locateFirstFace(const uint8_t* data, size_t size, FirstFace& face) {
    face.levels.clear();
    face.end = 0;
    Header header;
    PixelFormat pixel;
    uint32_t depth = 1;
    if (!acceptedHeader(data, size, header, pixel, depth))
        return false;
    face.format = pixel.format;
    face.components = pixel.components;
    uint32_t width = header.width, height = header.height;
    size_t offset = HeaderEnd;
    for (uint32_t level = 0; level <= mipmapCountOf(header); ++level) {
        if (level > 0) {
            width = halved(width);
            height = halved(height);
            depth = halved(depth);
        }
        const uint64_t bytes = levelBytes(pixel, width, height, depth);
        if (offset <= size && bytes <= size - offset)
            face.levels.push_back({width, height, data + offset, uint32_t(bytes)});
        offset += size_t(bytes);
    }
    face.end = offset;
    if (offset <= size) return true;
    face.levels.clear();
    return false;
}

}  // namespace nv_dds
