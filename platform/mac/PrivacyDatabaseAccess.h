#pragma once
// The macOS answer: the permission is granted exactly when the system's
// privacy database, which only granted processes may open, opens read-only.
// The machine-wide database is tried when it exists, else the user's own;
// with neither present the answer is no, without any open. Nothing is ever
// read from the file.
//
// The file operations and the link opener are injected, so the rule is
// tested anywhere (a test running as root could open any real file).

#include <QString>
#include <functional>
#include <string>

#include "platform/qt/FullDiskAccess.h"

namespace tidewell::platform {

class PrivacyDatabaseAccess final : public FullDiskAccess {
 public:
  static constexpr const char* databasePath = "/Library/Application Support/com.apple.TCC/TCC.db";
  static constexpr const char* settingsLink =
      "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles";

  struct Paths {
    std::string system;  // databasePath
    std::string user;    // the home folder followed directly by databasePath
    static Paths forHome(const std::string& home);
  };

  struct Files {
    std::function<bool(const std::string& path)> exists;
    // A descriptor, negative when the open is refused.
    std::function<int(const std::string& path)> openReadOnly;
    std::function<void(int descriptor)> close;
    // The real file system.
    static Files posix();
  };

  // openLink is handed the settings link when it forms a valid URL.
  PrivacyDatabaseAccess(Paths paths, Files files, std::function<void(const QString& link)> openLink);

  bool isGranted() const override;
  void openSettings() const override;

 private:
  Paths paths_;
  Files files_;
  std::function<void(const QString&)> openLink_;
};

}  // namespace tidewell::platform
