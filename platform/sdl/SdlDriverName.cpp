// Which video driver the real backend runs on, so tests can insist on the one they expect instead
// of passing on a silent fallback.
#include <SDL.h>

#include "platform/Platform.h"

namespace platform {

std::string videoDriverName() {
    if (currentBackend() == Backend::Null) return "null";  // no window system behind it
    const char* name = SDL_GetCurrentVideoDriver();       // null until video is initialised
    return name ? name : "";
}

}  // namespace platform
