// The step from a DDS image in memory to an OpenGL texture.
#pragma once

#include <cstdint>

namespace nv_dds {
struct FirstFace;
}

// Uploads the first face of a DDS image, its levels where they lie in the file's bytes, as a new 2D
// texture and returns its name, or 0 when the image cannot be used (a face without levels).
// Uncompressed images without stored mipmaps get a chain built by GLU; otherwise exactly the
// stored levels are uploaded. Compressed (DXT) images go through the compressed-texture
// entry point when the context offers it, and give 0 when it does not. Filtering is trilinear
// (linear when a compressed image has no mipmaps to filter between), textures are modulated by
// the current colour, and the new texture stays bound with GL_TEXTURE_2D enabled.
uint32_t uploadTexture(const nv_dds::FirstFace& face);

// Whether the current context can take DXT images: it names GL_EXT_texture_compression_s3tc or
// GL_ARB_texture_compression and has the glCompressedTexImage2D entry point.
bool compressedTexturesSupported();
