// Uploading one DDS image: uncompressed through glTexImage2D / gluBuild2DMipmaps, DXT through the
// compressed-texture entry point looked up at run time (OpenGL 1.1 does not have it).
//
// Sections: level checks | compressed entry point | uploads | uploadTexture
#include "gfx/TextureUpload.h"

#include <sstream>
#include <string>

#include "gfx/DdsImage.h"
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

bool levelUsable(const nv_dds::CImageFile& image, const nv_dds::CSurface& level) {
    return level.pixels() && level.width() > 0 && level.height() > 0 &&
           level.size() >= levelBytes(image.format(), image.components(), level.width(), level.height());
}

// ---- compressed entry point -------------------------------------------------------------------

using CompressedTexImage2D = void(APIENTRY*)(GLenum target, GLint level, GLenum internalFormat,
                                             GLsizei width, GLsizei height, GLint border,
                                             GLsizei imageSize, const void* data);

// Whole-token match: "GL_ARB_texture_compression" must not match "..._compression_bptc".
bool hasExtension(const char* name) {
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!all) return false;
    std::istringstream tokens(all);
    std::string token;
    while (tokens >> token)
        if (token == name) return true;
    return false;
}

CompressedTexImage2D compressedEntry() {
    if (!hasExtension("GL_EXT_texture_compression_s3tc") && !hasExtension("GL_ARB_texture_compression"))
        return nullptr;
    void* entry = platform::glProcAddress("glCompressedTexImage2D");
    if (!entry) entry = platform::glProcAddress("glCompressedTexImage2DARB");
    return reinterpret_cast<CompressedTexImage2D>(entry);
}

// ---- uploads ----------------------------------------------------------------------------------

void uploadPlain(const nv_dds::CImageFile& image, const nv_dds::CTexture& face) {
    GLenum format = image.format();
    GLint components = image.components();
    if (face.mipmapCount() == 0) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, face.width(), face.height(), format,
                          GL_UNSIGNED_BYTE, face.pixels());
        return;
    }
    glTexImage2D(GL_TEXTURE_2D, 0, components, face.width(), face.height(), 0, format,
                 GL_UNSIGNED_BYTE, face.pixels());
    for (size_t i = 0; i < face.mipmapCount(); ++i) {
        const nv_dds::CSurface& level = face.mipmap(i);
        if (!levelUsable(image, level)) break;
        glTexImage2D(GL_TEXTURE_2D, GLint(i + 1), components, level.width(), level.height(), 0,
                     format, GL_UNSIGNED_BYTE, level.pixels());
    }
}

// True when the driver took every level.
bool uploadCompressed(const nv_dds::CImageFile& image, const nv_dds::CTexture& face,
                      CompressedTexImage2D upload) {
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }  // earlier errors are not this upload's; bounded in case a lost context repeats one forever
    GLenum format = image.format();
    upload(GL_TEXTURE_2D, 0, format, face.width(), face.height(), 0,
           GLsizei(levelBytes(format, 0, face.width(), face.height())), face.pixels());
    for (size_t i = 0; i < face.mipmapCount(); ++i) {
        const nv_dds::CSurface& level = face.mipmap(i);
        if (!levelUsable(image, level)) break;
        upload(GL_TEXTURE_2D, GLint(i + 1), format, level.width(), level.height(), 0,
               GLsizei(levelBytes(format, 0, level.width(), level.height())), level.pixels());
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

uint32_t uploadTexture(const nv_dds::CImageFile& image) {
    if (image.textureCount() == 0) return 0;
    const nv_dds::CTexture& face = image.texture(0);  // other cube faces and volume slices unused
    if (!levelUsable(image, face)) return 0;
    bool compressed = isCompressed(image.format());
    CompressedTexImage2D compressedUpload = compressed ? compressedEntry() : nullptr;
    if (compressed && !compressedUpload) return 0;

    GLuint name = 0;
    glGenTextures(1, &name);
    glEnable(GL_TEXTURE_2D);
    forgetTextureBinding();  // a reused name may look bound to the tracker after a delete
    bindTexture(name);
    // Rows are packed in the file: a 24-bit or luminance level 1 or 2 pixels wide has rows that
    // are not a multiple of 4 bytes, which the default alignment would read past.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    bool uploaded = true;
    if (compressed)
        uploaded = uploadCompressed(image, face, compressedUpload);
    else
        uploadPlain(image, face);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    if (!uploaded) {
        glDeleteTextures(1, &name);
        forgetTextureBinding();
        return 0;
    }
    setSampling(!compressed || face.mipmapCount() > 0);
    return name;
}
