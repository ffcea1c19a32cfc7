#pragma once
// Whether this program may read other applications' protected data, and
// the one way to help the user grant it. macOS gates that behind the Full
// Disk Access permission (PrivacyDatabaseAccess); Linux has no such gate
// (LinuxFullDiskAccess). Called on the GUI thread: an answer takes at most
// an existence check and one open.

namespace tidewell::platform {

class FullDiskAccess {
 public:
  virtual ~FullDiskAccess() = default;

  virtual bool isGranted() const = 0;
  // Opens the system's settings where the permission is granted; does
  // nothing where there is none.
  virtual void openSettings() const = 0;
};

}  // namespace tidewell::platform
