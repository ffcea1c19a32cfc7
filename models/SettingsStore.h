#pragma once
// The application's few persisted settings, over QSettings, with one change
// signal that names the key, so every screen showing a setting updates live.
// One store per process (the application makes it; tests give a temporary
// file). GUI thread only.
//
// Stored values that cannot be read as their type count as absent.
//
// Only a regular file is read or written: QSettings blocks for good on a
// FIFO at the settings path (or at its lock file) and spins on a folder at
// the lock path. When either path holds anything but a regular file, the
// store leaves it alone, starts from defaults, keeps what is set in memory
// for this run, and says why in one line on stderr. Links are followed: a
// link to a regular file (a dotfile kept elsewhere) or to a file not made
// yet is used as that file; a link to anything else is refused.

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <cstdint>
#include <memory>
#include <optional>

namespace tidewell::models {

class SettingsStore : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* totalFreedBytesKey = "totalFreedBytes";
  static constexpr const char* lastCleanupAtKey = "lastCleanupAt";
  static constexpr const char* hasOnboardedKey = "hasOnboarded";

  // The user's settings of this application, at applicationSettingsPath().
  static std::shared_ptr<SettingsStore> forApplication();
  // Where QSettings keeps the user's settings for the organisation and
  // application names set on the QCoreApplication: the user's configuration
  // folder, then "Organisation/Application.conf".
  static QString applicationSettingsPath();
  // Settings kept in one INI file (tests, renderers), or in memory when the
  // path holds something other than a regular file.
  static std::shared_ptr<SettingsStore> atFile(const QString& path);

  // Over the given settings; a null pointer keeps every value in memory.
  explicit SettingsStore(std::unique_ptr<QSettings> settings);

  QVariant value(const QString& key) const;
  void setValue(const QString& key, const QVariant& value);

  // "totalFreedBytes": 0 when absent or unreadable.
  int64_t totalFreedBytes() const;
  // Adds bytes (negative counts as 0) to "totalFreedBytes", saturating; also
  // writes when bytes is 0.
  void addFreedBytes(int64_t bytes);

  // "lastCleanupAt", seconds since 1970; absent when not stored or not a
  // finite number.
  std::optional<double> lastCleanupAt() const;
  void setLastCleanupAt(double secondsSince1970);

  // "hasOnboarded": false when absent.
  bool hasOnboarded() const;
  void setHasOnboarded(bool done);

 Q_SIGNALS:
  void valueChanged(const QString& key);

 private:
  std::unique_ptr<QSettings> settings_;
  QVariantMap memory_;
};

}  // namespace tidewell::models
