#pragma once
// Linux has no permission gating a user's own files: access is granted,
// and there are no settings to open.

#include "platform/qt/FullDiskAccess.h"

namespace tidewell::platform {

class LinuxFullDiskAccess final : public FullDiskAccess {
 public:
  bool isGranted() const override { return true; }
  void openSettings() const override {}
};

}  // namespace tidewell::platform
