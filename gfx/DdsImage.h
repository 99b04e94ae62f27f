// The DDS reader: one file into memory as pixel format, component count, kind and surfaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/DdsSurface.h"

namespace nv_dds {

// Pixel formats, as the OpenGL values the texture loader passes on. Named here so that the reader
// needs no GL header (and so that these names cannot collide with the GL macros).
constexpr uint32_t FormatDxt1 = 0x83F1;       // GL_COMPRESSED_RGBA_S3TC_DXT1_EXT, 8-byte blocks
constexpr uint32_t FormatDxt3 = 0x83F2;       // GL_COMPRESSED_RGBA_S3TC_DXT3_EXT, 16-byte blocks
constexpr uint32_t FormatDxt5 = 0x83F3;       // GL_COMPRESSED_RGBA_S3TC_DXT5_EXT, 16-byte blocks
constexpr uint32_t FormatBgra = 0x80E1;       // GL_BGRA_EXT: bytes blue, green, red, alpha
constexpr uint32_t FormatBgr = 0x80E0;        // GL_BGR_EXT: bytes blue, green, red
constexpr uint32_t FormatLuminance = 0x1909;  // GL_LUMINANCE: one byte

// What the file holds. Stored as a signed 32-bit number.
enum TextureKind : int32_t { TextureNone = 0, TextureFlat = 1, Texture3D = 2, TextureCubemap = 3 };

// Reads a whole DDS file and keeps its surfaces until the next read or destruction.
//
// Damaged files never crash, hang or allocate without bound: a width, height or depth of 0 or above
// MaxSide is refused, as is a file that ends inside the magic, the header or the level-0 surface of
// the first face. Pixel data that ends later (a short mipmap tail, short later faces) reads as
// zeros. At most MaxLevels levels are read per face, so dwMipMapCount is obeyed past 1 x 1 up to
// that. No level is larger than level 0, which fits in the data given; a face with its mipmaps
// takes at most twice its level 0 plus 31 levels of at most 16 bytes, so a cube map holds at most
// twelve times the data plus 3 KiB.
class CImageFile {
public:
    static constexpr uint32_t MaxSide = 16384;  // largest width, height and depth accepted
    static constexpr uint32_t MaxLevels = 32;   // levels read per face, level 0 included

    // The narrow name is the wide file name cut to 8 bits per character; it is widened back byte by
    // byte and read whole through the platform layer. True when the whole structure was read.
    bool readFile(const std::string& fileName);
    // Parses a file already in memory. Every call starts by emptying the object. On false the
    // texture list is empty and format and components are 0.
    bool readMemory(const uint8_t* data, size_t size);
    void clear();  // format, components and kind 0, no textures

    uint32_t format() const { return format_; }     // one of the Format values; 0 when empty
    int32_t components() const { return components_; }  // 1, 3 or 4; 0 when empty
    int32_t kind() const { return kind_; }              // a TextureKind
    size_t textureCount() const { return textures_.size(); }  // 1, or 6 for a cube map
    const CTexture& texture(size_t index) const { return textures_[index]; }  // faces in file order
    const std::vector<CTexture>& textures() const { return textures_; }

private:
    uint32_t format_ = 0;
    int32_t components_ = 0;
    int32_t kind_ = TextureNone;
    std::vector<CTexture> textures_;
};

// One level of the first face where it lies in a file's bytes: nothing is copied.
struct LevelInPlace {
    uint32_t width, height;
    const uint8_t* pixels;
    uint32_t size;  // bytes, for all slices of a volume
};

// The first face of a file in memory as readMemory would read it (format, components, level 0 and
// then its mipmaps, the same sizes and bytes) without copying a byte. False where readMemory is
// false, and also where a level of the first face runs past the end of the data, which
// readMemory would pad with zeros. `levels` is empty after false. The data padded with zeros up to
// `end` locates the face readMemory reads from the data as it was.
struct FirstFace {
    uint32_t format = 0;
    int32_t components = 0;
    std::vector<LevelInPlace> levels;  // level 0 first
    size_t end = 0;  // where the first face ends in the data, as the header says; 0 if it is refused
};
bool locateFirstFace(const uint8_t* data, size_t size, FirstFace& face);

}  // namespace nv_dds
