// Thread priorities on Windows.
#include "platform/win32/Win32.h"

namespace platform {

void lowerThisThreadPriority() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL); }

}  // namespace platform
