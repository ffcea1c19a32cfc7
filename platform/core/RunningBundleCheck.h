#pragma once
// Whether an application bundle is in use: the uninstaller refuses to move
// an application while it runs. The Linux backend looks at the user's own
// processes under ctx.procRoot and asks whether one runs an executable that
// lies inside the bundle's real location. Blocking; callable from any thread.

#include <string>

#include "platform/core/EngineContext.h"

namespace tidewell::platform {

class RunningBundleCheck {
 public:
  // True when a process of ctx.uid runs an executable at or below the real
  // path of bundlePath. False when the bundle cannot be resolved or the
  // process table cannot be read.
  static bool isRunning(const std::string& bundlePath, const EngineContext& ctx);
};

}  // namespace tidewell::platform
