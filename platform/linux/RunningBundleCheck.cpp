#include "platform/core/RunningBundleCheck.h"

#include <climits>
#include <cstdlib>

#include "base/Paths.h"
#include "platform/core/PhysicalPath.h"
#include "platform/linux/ProcProcess.h"

namespace tidewell::platform {

bool RunningBundleCheck::isRunning(const std::string& bundlePath, const EngineContext& ctx) {
  // Compared by real location, so a bundle reached through a link still
  // matches the executable path the kernel reports.
  const auto bundle = physicalPath(bundlePath);
  if (!bundle || *bundle == "/") return false;

  for (pid_t pid : ProcProcess::pids(ctx.procRoot)) {
    auto process = ProcProcess::read(ctx.procRoot, pid, ctx.uid);
    if (!process || process->uid != ctx.uid || process->zombie || process->executable.empty()) continue;
    if (base::isSameOrBelow(base::standardize(process->executable), *bundle)) return true;
  }
  return false;
}

}  // namespace tidewell::platform
