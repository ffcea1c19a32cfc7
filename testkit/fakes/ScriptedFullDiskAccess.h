#pragma once
// The one scripted Full Disk Access answer, as a test or renderer sets it
// (granted, as on Linux, unless told otherwise); counts the probes and the
// requests to open the settings.

#include "platform/qt/FullDiskAccess.h"

namespace tidewell::testing {

class ScriptedFullDiskAccess final : public platform::FullDiskAccess {
 public:
  bool granted = true;
  mutable int probes = 0;
  mutable int settingsOpened = 0;

  bool isGranted() const override {
    ++probes;
    return granted;
  }
  void openSettings() const override { ++settingsOpened; }
};

}  // namespace tidewell::testing
