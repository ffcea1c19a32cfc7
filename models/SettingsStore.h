#pragma once
// The application's few persisted settings, over QSettings, with one change
// signal that names the key, so every screen showing a setting updates live.
// One store per process (the application makes it; tests give a temporary
// file). GUI thread only.
//
// Stored values that cannot be read as their type count as absent.

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariant>
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

  // The user's settings of this application (QSettings' native place for
  // the organisation and application names set on the QCoreApplication).
  static std::shared_ptr<SettingsStore> forApplication();
  // Settings kept in one INI file (tests, renderers).
  static std::shared_ptr<SettingsStore> atFile(const QString& path);

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

 signals:
  void valueChanged(const QString& key);

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace tidewell::models
