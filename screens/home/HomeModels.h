#pragma once
// What the Home section is handed by the window: the Smart Scan controller
// (and through it the Clean, Apps, Deep Scan and Advisor models the tool
// sections show), the Full Disk Access model, the volume model, the theme
// engine and the settings store. The window owns them all; every member is set.

#include <memory>

#include "design/theme/ThemeEngine.h"
#include "models/SettingsStore.h"
#include "models/VolumeModel.h"
#include "models/permissions/PermissionsModel.h"
#include "models/smartscan/SmartScanController.h"

namespace tidewell::screens {

struct HomeModels {
  std::shared_ptr<models::SmartScanController> smartScan;
  std::shared_ptr<models::PermissionsModel> permissions;
  std::shared_ptr<models::VolumeModel> volume;
  std::shared_ptr<design::ThemeEngine> theme;
  std::shared_ptr<models::SettingsStore> settings;
};

}  // namespace tidewell::screens
