#pragma once
// An application and the leftovers found for it: what the uninstall sheet
// shows before the user confirms, and what the uninstaller carries out.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/apps/InstalledApp.h"
#include "engine/apps/LeftoverFile.h"

namespace tidewell::engine {

struct UninstallPlan {
  InstalledApp app;
  // In the order AppScanner::findLeftovers returned them.
  std::vector<LeftoverFile> leftovers;

  // The application's id.
  const std::string& id() const { return app.id; }
  // The bundle's size plus every leftover's size.
  int64_t totalBytes() const {
    int64_t total = app.sizeBytes;
    for (const auto& leftover : leftovers) total += leftover.sizeBytes;
    return total;
  }

  bool operator==(const UninstallPlan&) const = default;
};

}  // namespace tidewell::engine
