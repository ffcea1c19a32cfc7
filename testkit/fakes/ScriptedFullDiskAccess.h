#pragma once
// The Full Disk Access answer as a test or renderer sets it (granted, as on
// Linux, unless told otherwise); counts the requests to open the settings.

#include "platform/qt/FullDiskAccess.h"

namespace tidewell::screens::probe {

class ScriptedFullDiskAccess final : public models::FullDiskAccess {
 public:
  bool granted = true;
  mutable int settingsOpened = 0;

  bool isGranted() const override { return granted; }
  void openSettings() const override { ++settingsOpened; }
};

}  // namespace tidewell::screens::probe
