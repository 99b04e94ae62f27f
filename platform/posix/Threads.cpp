// Thread priorities on a POSIX system (Linux: a thread has a nice value of its own).
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "platform/Platform.h"

namespace platform {

void lowerThisThreadPriority() { setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10); }

}  // namespace platform
