// Which window system the real backend runs on, so tests can insist on the one they expect.
#include "platform/Platform.h"

namespace platform {

std::string videoDriverName() {
    return currentBackend() == Backend::Null ? "null" : "windows";  // the name SDL uses for Win32
}

}  // namespace platform
