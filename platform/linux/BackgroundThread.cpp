#include "platform/core/BackgroundThread.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

namespace tidewell::platform {

void markCurrentThreadAsBackground() {
  thread_local bool marked = false;
  if (marked) return;
  marked = true;
  // On Linux the nice value belongs to each thread, named by its thread id.
  const id_t self = id_t(gettid());
  errno = 0;
  const int current = getpriority(PRIO_PROCESS, self);
  if (errno == 0 && current >= backgroundNice) return;
  setpriority(PRIO_PROCESS, self, backgroundNice);
}

}  // namespace tidewell::platform
