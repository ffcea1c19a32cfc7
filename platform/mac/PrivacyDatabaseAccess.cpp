#include "platform/mac/PrivacyDatabaseAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QUrl>
#include <utility>

namespace tidewell::platform {

PrivacyDatabaseAccess::Paths PrivacyDatabaseAccess::Paths::forHome(const std::string& home) {
  return {databasePath, home + databasePath};
}

PrivacyDatabaseAccess::Files PrivacyDatabaseAccess::Files::posix() {
  return {[](const std::string& path) {
            struct stat st {};
            return ::stat(path.c_str(), &st) == 0;
          },
          [](const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); },
          [](int descriptor) { ::close(descriptor); }};
}

PrivacyDatabaseAccess::PrivacyDatabaseAccess(Paths paths, Files files,
                                             std::function<void(const QString& link)> openLink)
    : paths_(std::move(paths)), files_(std::move(files)), openLink_(std::move(openLink)) {}

bool PrivacyDatabaseAccess::isGranted() const {
  std::string chosen;
  if (files_.exists(paths_.system)) {
    chosen = paths_.system;
  } else if (files_.exists(paths_.user)) {
    chosen = paths_.user;
  } else {
    return false;
  }
  const int descriptor = files_.openReadOnly(chosen);
  if (descriptor < 0) return false;
  files_.close(descriptor);
  return true;
}

void PrivacyDatabaseAccess::openSettings() const {
  const QUrl url(QString::fromLatin1(settingsLink));
  if (url.isValid() && openLink_) openLink_(url.toString());
}

}  // namespace tidewell::platform
