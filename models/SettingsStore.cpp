#include "models/SettingsStore.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#include "models/ModelsLog.h"
#include "platform/core/NothingThere.h"

namespace tidewell::models {

namespace {

// Why QSettings must not open path, or nothing when it may: a regular file,
// or nothing there yet (a first run). stat follows links, so a link is
// judged by what it points at. Nothing is opened, so a FIFO or a device is
// not touched.
std::optional<QString> whyNotARegularFile(const QString& path) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
    const int error = errno;
    if (platform::isNothingThere(error)) return std::nullopt;
    return QStringLiteral("cannot be looked at (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
  }
  switch (info.st_mode & S_IFMT) {
    case S_IFREG:
      return std::nullopt;
    case S_IFIFO:
      return QStringLiteral("is a FIFO");
    case S_IFDIR:
      return QStringLiteral("is a folder");
    case S_IFSOCK:
      return QStringLiteral("is a socket");
    case S_IFCHR:
    case S_IFBLK:
      return QStringLiteral("is a device");
    default:
      return QStringLiteral("is not a regular file");
  }
}

}  // namespace

std::shared_ptr<SettingsStore> SettingsStore::forApplication() { return atFile(applicationSettingsPath()); }

QString SettingsStore::applicationSettingsPath() {
  // QSettings' own naming on Linux, so settings stay where earlier versions
  // kept them; the store opens the file by path so that what is checked is
  // what is read.
  QString organisation = QCoreApplication::organizationName();
  if (organisation.isEmpty()) organisation = QStringLiteral("Unknown Organization");
  const QString application = QCoreApplication::applicationName();
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (application.isEmpty()) return folder + u'/' + organisation + QStringLiteral(".conf");
  return folder + u'/' + organisation + u'/' + application + QStringLiteral(".conf");
}

std::shared_ptr<SettingsStore> SettingsStore::atFile(const QString& path) {
  // QSettings writes under a lock file beside the settings; a FIFO or a
  // folder there hangs the first write just as one at the path hangs the
  // first read.
  const QString lock = path + QStringLiteral(".lock");
  for (const QString& file : {path, lock}) {
    if (const std::optional<QString> why = whyNotARegularFile(file)) {
      qCWarning(lcModels).noquote()
          << QStringLiteral("settings: %1 %2, not a regular file; using defaults and saving nothing")
                 .arg(file, *why);
      return std::make_shared<SettingsStore>(nullptr);
    }
  }
  qCDebug(lcModels).noquote() << "settings: reading" << path;
  return std::make_shared<SettingsStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

QVariant SettingsStore::value(const QString& key) const {
  return settings_ ? settings_->value(key) : memory_.value(key);
}

void SettingsStore::setValue(const QString& key, const QVariant& value) {
  if (settings_) {
    settings_->setValue(key, value);
    settings_->sync();
  } else {
    memory_.insert(key, value);
  }
  Q_EMIT valueChanged(key);
}

int64_t SettingsStore::totalFreedBytes() const {
  bool ok = false;
  const QVariant stored = value(totalFreedBytesKey);
  const qlonglong bytes = stored.toLongLong(&ok);
  if (!ok && stored.isValid())
    qCDebug(lcModels) << "settings: totalFreedBytes" << stored << "unreadable; reading 0";
  return ok ? bytes : 0;
}

void SettingsStore::addFreedBytes(int64_t bytes) {
  const int64_t add = bytes > 0 ? bytes : 0;
  const int64_t before = totalFreedBytes();
  const int64_t sum =
      before > std::numeric_limits<int64_t>::max() - add ? std::numeric_limits<int64_t>::max() : before + add;
  setValue(totalFreedBytesKey, QVariant::fromValue<qlonglong>(sum));
}

std::optional<double> SettingsStore::lastCleanupAt() const {
  const QVariant stored = value(lastCleanupAtKey);
  if (!stored.isValid()) return std::nullopt;
  bool ok = false;
  const double seconds = stored.toDouble(&ok);
  if (!ok || !std::isfinite(seconds)) {
    qCDebug(lcModels) << "settings: lastCleanupAt" << stored << "unreadable; reading none";
    return std::nullopt;
  }
  return seconds;
}

void SettingsStore::setLastCleanupAt(double secondsSince1970) {
  setValue(lastCleanupAtKey, secondsSince1970);
}

bool SettingsStore::hasOnboarded() const {
  const QVariant stored = value(hasOnboardedKey);
  return stored.isValid() && stored.toBool();
}

void SettingsStore::setHasOnboarded(bool done) { setValue(hasOnboardedKey, done); }

}  // namespace tidewell::models
