#include "models/SettingsStore.h"

#include <cmath>
#include <limits>

namespace tidewell::models {

std::shared_ptr<SettingsStore> SettingsStore::forApplication() {
  return std::make_shared<SettingsStore>(std::make_unique<QSettings>());
}

std::shared_ptr<SettingsStore> SettingsStore::atFile(const QString& path) {
  return std::make_shared<SettingsStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

QVariant SettingsStore::value(const QString& key) const { return settings_->value(key); }

void SettingsStore::setValue(const QString& key, const QVariant& value) {
  settings_->setValue(key, value);
  settings_->sync();
  emit valueChanged(key);
}

int64_t SettingsStore::totalFreedBytes() const {
  bool ok = false;
  const qlonglong stored = settings_->value(totalFreedBytesKey).toLongLong(&ok);
  return ok ? stored : 0;
}

void SettingsStore::addFreedBytes(int64_t bytes) {
  const int64_t add = bytes > 0 ? bytes : 0;
  const int64_t before = totalFreedBytes();
  const int64_t sum =
      before > std::numeric_limits<int64_t>::max() - add ? std::numeric_limits<int64_t>::max() : before + add;
  setValue(totalFreedBytesKey, QVariant::fromValue<qlonglong>(sum));
}

std::optional<double> SettingsStore::lastCleanupAt() const {
  const QVariant stored = settings_->value(lastCleanupAtKey);
  if (!stored.isValid()) return std::nullopt;
  bool ok = false;
  const double seconds = stored.toDouble(&ok);
  if (!ok || !std::isfinite(seconds)) return std::nullopt;
  return seconds;
}

void SettingsStore::setLastCleanupAt(double secondsSince1970) {
  setValue(lastCleanupAtKey, secondsSince1970);
}

bool SettingsStore::hasOnboarded() const { return settings_->value(hasOnboardedKey, false).toBool(); }

void SettingsStore::setHasOnboarded(bool done) { setValue(hasOnboardedKey, done); }

}  // namespace tidewell::models
