// Uploading one DDS image: uncompressed through glTexImage2D / gluBuild2DMipmaps, DXT through the
// compressed-texture entry point looked up at run time (OpenGL 1.1 does not have it).
//
// Sections: level checks | compressed entry point | uploads | uploadTexture
#include "gfx/TextureUpload.h"

#include "gfx/DdsImage.h"
#include "gfx/GLExtensions.h"
#include "gfx/TextureBinding.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"

namespace {

constexpr float modulateMode = 8448.0f;  // GL_MODULATE, as glTexEnvf takes it

// ---- level checks -----------------------------------------------------------------------------

bool isCompressed(uint32_t format) {
    return format == nv_dds::FormatDxt1 || format == nv_dds::FormatDxt3 || format == nv_dds::FormatDxt5;
}

// Bytes one slice of a w x h level needs, so no upload reads past the surface's buffer.
uint64_t levelBytes(uint32_t format, int32_t components, uint32_t width, uint32_t height) {
    if (!isCompressed(format)) return uint64_t(width) * height * uint32_t(components);
    uint64_t blocks = uint64_t((width + 3) / 4) * ((height + 3) / 4);
    return blocks * (format == nv_dds::FormatDxt1 ? 8 : 16);
}

bool levelUsable(const nv_dds::FirstFace& face, const nv_dds::LevelInPlace& level) {
    return level.pixels && level.width > 0 && level.height > 0 &&
           level.size >= levelBytes(face.format, face.components, level.width, level.height);
}

// ---- compressed entry point -------------------------------------------------------------------

using CompressedTexImage2D = void(APIENTRY*)(GLenum target, GLint level, GLenum internalFormat,
                                             GLsizei width, GLsizei height, GLint border,
                                             GLsizei imageSize, const void* data);

CompressedTexImage2D compressedEntry() {
    if (!hasGLExtension("GL_EXT_texture_compression_s3tc") && !hasGLExtension("GL_ARB_texture_compression"))
        return nullptr;
    void* entry = platform::glProcAddress("glCompressedTexImage2D");
    if (!entry) entry = platform::glProcAddress("glCompressedTexImage2DARB");
    return reinterpret_cast<CompressedTexImage2D>(entry);
}

// ---- uploads ----------------------------------------------------------------------------------

// The component count as the enum of the same base format (GL takes 1, 3 and 4 as LUMINANCE, RGB
// and RGBA). Named by the enum, an unsized format lets a driver keep the file's byte order: Mesa
// then stores BGRA as it comes instead of swizzling every texel into RGBA.
GLint baseFormat(int32_t components) {
    switch (components) {
    case 1: return GL_LUMINANCE;
    case 3: return GL_RGB;
    case 4: return GL_RGBA;
    default: return components;
    }
}

constexpr GLenum bgraFormat = 0x80E1;          // GL_BGRA (GL_EXT_bgra)
constexpr GLenum packedBgraType = 0x8367;      // GL_UNSIGNED_INT_8_8_8_8_REV, OpenGL 1.2

bool atLeastOpenGL12() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version && (version[0] > '1' || (version[0] == '1' && version[1] == '.' && version[2] >= '2'));
}

// BGRA bytes read as one little-endian word per texel are the same bytes as four unsigned bytes;
// spelled as the word, they are the layout a driver stores BGRA in, which Mesa then copies whole
// instead of texel by texel. OpenGL 1.1 has no such type, and a big-endian host would read the
// word the other way round: both take the bytes.
GLenum pixelType(GLenum format) {
    static const uint16_t probe = 1;
    bool littleEndian = *reinterpret_cast<const uint8_t*>(&probe) == 1;
    return format == bgraFormat && littleEndian && atLeastOpenGL12() ? packedBgraType : GL_UNSIGNED_BYTE;
}

// Stored mipmaps are uploaded as they are; GLU builds a chain only for an image without any.
void uploadPlain(const nv_dds::FirstFace& face) {
    GLenum format = face.format;
    const nv_dds::LevelInPlace& top = face.levels[0];
    if (face.levels.size() == 1) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, face.components, top.width, top.height, format, GL_UNSIGNED_BYTE,
                          top.pixels);
        return;
    }
    GLenum type = pixelType(format);
    for (size_t i = 0; i < face.levels.size(); ++i) {
        const nv_dds::LevelInPlace& level = face.levels[i];
        if (i > 0 && !levelUsable(face, level)) break;
        glTexImage2D(GL_TEXTURE_2D, GLint(i), baseFormat(face.components), level.width, level.height, 0, format, type,
                     level.pixels);
    }
}

// True when the driver took every level.
bool uploadCompressed(const nv_dds::FirstFace& face, CompressedTexImage2D upload) {
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }  // earlier errors are not this upload's; bounded in case a lost context repeats one forever
    GLenum format = face.format;
    for (size_t i = 0; i < face.levels.size(); ++i) {
        const nv_dds::LevelInPlace& level = face.levels[i];
        if (i > 0 && !levelUsable(face, level)) break;
        upload(GL_TEXTURE_2D, GLint(i), format, level.width, level.height, 0,
               GLsizei(levelBytes(format, 0, level.width, level.height)), level.pixels);
    }
    return glGetError() == GL_NO_ERROR;
}

void setSampling(bool mipmapped) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, modulateMode);
}

}  // namespace

bool compressedTexturesSupported() { return compressedEntry() != nullptr; }

uint32_t uploadTexture(const nv_dds::FirstFace& face) {
    if (face.levels.empty() || !levelUsable(face, face.levels[0])) return 0;
    bool compressed = isCompressed(face.format);
    CompressedTexImage2D compressedUpload = compressed ? compressedEntry() : nullptr;
    if (compressed && !compressedUpload) return 0;

    GLuint name = 0;
    glGenTextures(1, &name);
    glEnable(GL_TEXTURE_2D);
    forgetTextureBinding();  // a reused name may look bound to the tracker after a delete
    bindTexture(name);
    setSampling(!compressed || face.levels.size() > 1);
    // Rows are packed in the file: a 24-bit or luminance level 1 or 2 pixels wide has rows that
    // are not a multiple of 4 bytes, which the default alignment would read past. Rows of 4-byte
    // pixels and of 4 x 4 blocks are always whole words.
    bool packedRows = !compressed && face.components != 4;
    GLint alignment = 4;
    if (packedRows) {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    bool uploaded = true;
    if (compressed)
        uploaded = uploadCompressed(face, compressedUpload);
    else
        uploadPlain(face);
    if (packedRows) glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    if (!uploaded) {
        glDeleteTextures(1, &name);
        forgetTextureBinding();
        return 0;
    }
    return name;
}
