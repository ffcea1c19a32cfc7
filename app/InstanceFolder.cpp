#include "app/InstanceFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "platform/core/PrivateFolder.h"

namespace tidewell::app {

namespace {
constexpr char kSocketName[] = "tidewell-mac.socket";

QString describe(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Whether the runtime folder is the user's alone to write in, as its
// contract promises. Where another user may write, they could plant the
// socket's lock or a listener first.
bool isPrivateRuntimeFolder(const QString& runtime, uid_t uid) {
  struct stat status {};
  return QDir::isAbsolutePath(runtime) && ::stat(QFile::encodeName(runtime).constData(), &status) == 0 &&
         platform::isPrivateFolder(status, uid);
}
}  // namespace

InstanceFolder::Environment InstanceFolder::Environment::ofProcess() {
  return {qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(), ::getuid()};
}

InstanceFolder::Place InstanceFolder::locate(const Environment& environment) {
  const QString& runtime = environment.runtimeFolder;
  if (isPrivateRuntimeFolder(runtime, environment.uid)) {
    return {QDir(runtime).filePath(QLatin1String(kSocketName)), {}};
  }

  const QString folder =
      QDir(environment.temporaryRoot).filePath(QStringLiteral("tidewell-mac-%1").arg(environment.uid));
  const QByteArray native = QFile::encodeName(folder);
  // An existing entry is judged below, whatever made it.
  if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
    const int error = errno;
    return {{}, QStringLiteral("cannot make the folder %1 (%2)").arg(folder, describe(error))};
  }
  struct stat status {};
  if (::lstat(native.constData(), &status) != 0) {
    const int error = errno;
    return {{}, QStringLiteral("cannot read the folder %1 (%2)").arg(folder, describe(error))};
  }
  if (!S_ISDIR(status.st_mode)) return {{}, QStringLiteral("%1 is not a folder").arg(folder)};
  if (status.st_uid != environment.uid) return {{}, QStringLiteral("%1 belongs to another user").arg(folder)};
  if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    return {{},
            QStringLiteral("%1 is open to other users (mode %2)")
                .arg(folder, QString::number(status.st_mode & 07777, 8))};
  }
  return {QDir(folder).filePath(QLatin1String(kSocketName)), {}};
}

}  // namespace tidewell::app
