#pragma once
// An uninstall plan as the Apps model offers it to the uninstall sheet: the
// plan and the number the model gave it. The sheet hands that number back
// when the user confirms, so the confirmation acts on the plan that was on
// screen and on no other. A plain value.

#include <cstdint>

#include "engine/apps/UninstallPlan.h"

namespace tidewell::models {

struct PendingUninstall {
  // Assigned by the model, one per plan request, counting up from 1; never
  // reused within one model.
  uint64_t id = 0;
  engine::UninstallPlan plan;

  bool operator==(const PendingUninstall&) const = default;
};

}  // namespace tidewell::models
