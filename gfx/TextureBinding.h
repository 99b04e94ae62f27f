// The 2D texture binding, remembered so a frame that draws many quads with one texture binds it once.
#pragma once

#include <cstdint>

// Binds `name` to GL_TEXTURE_2D unless it is the name this function bound last. Correct only while
// every bind of the game goes through here: after a raw glBindTexture, after deleting a texture
// that may be bound, and on a new context, call forgetTextureBinding.
void bindTexture(uint32_t name);
void forgetTextureBinding();  // the next bindTexture always reaches GL
