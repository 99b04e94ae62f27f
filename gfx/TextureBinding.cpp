// Skips binds of the texture that is already bound: on software rendering a texture switch costs far
// more than a quad, and text and boards bind the same few textures over and over.
#include "gfx/TextureBinding.h"

#include "platform/OpenGL.h"

namespace {

bool known = false;      // false: GL's binding is unknown, the next bind must reach it
uint32_t boundName = 0;  // meaningful only while known

}  // namespace

void bindTexture(uint32_t name) {
    if (known && boundName == name) return;
    glBindTexture(GL_TEXTURE_2D, name);
    boundName = name;
    known = true;
}

void forgetTextureBinding() { known = false; }
