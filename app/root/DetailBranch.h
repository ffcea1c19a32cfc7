#pragma once
// Which screen the detail pane shows: one per section, and for Clean one
// per page of its phase (the start page while idle or scanning, the review,
// the result while cleaning or done).

#include <QString>

#include "app/root/Mode.h"
#include "models/clean/CleanupViewModel.h"

namespace tidewell::app {

enum class DetailBranch {
  home,
  cleanStart,
  cleanReview,
  cleanResult,
  devMode,
  apps,
  performance,
  deepScan,
  advisor
};

// The screen for a section; Clean's depends on its model's phase.
DetailBranch detailBranch(Mode mode, models::CleanupViewModel::Phase cleanPhase);

// The section a branch belongs to.
Mode modeOf(DetailBranch branch);
// "home", "cleanStart", ...: the object name of the branch's screen.
QString branchName(DetailBranch branch);

}  // namespace tidewell::app
