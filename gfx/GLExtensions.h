// Whether the current context names an OpenGL extension.
#pragma once

// A whole-token match in GL_EXTENSIONS: "GL_ARB_texture_compression" does not match
// "GL_ARB_texture_compression_bptc". False without a current context.
bool hasGLExtension(const char* name);
