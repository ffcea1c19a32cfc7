#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "models/SettingsStore.h"

namespace tidewell::models {
namespace {

struct StoreFixture : ::testing::Test {
  QTemporaryDir dir;
  QString path = dir.filePath("settings.ini");
  std::shared_ptr<SettingsStore> store = SettingsStore::atFile(path);
  QStringList changes;
  void SetUp() override {
    QObject::connect(store.get(), &SettingsStore::valueChanged,
                     [this](const QString& key) { changes << key; });
  }
  void writeRaw(const QString& key, const QVariant& value) {
    QSettings raw(path, QSettings::IniFormat);
    raw.setValue(key, value);
  }
};

TEST_F(StoreFixture, FreedBytesAccumulateAsA64BitTotalAndEveryWriteSignalsItsKey) {
  EXPECT_EQ(store->totalFreedBytes(), 0);
  store->addFreedBytes(5'000'000'000);
  store->addFreedBytes(0);
  store->addFreedBytes(-7);
  EXPECT_EQ(store->totalFreedBytes(), 5'000'000'000);
  store->addFreedBytes(std::numeric_limits<int64_t>::max());
  EXPECT_EQ(store->totalFreedBytes(), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(changes, QStringList(4, "totalFreedBytes"));

  // Another store over the same file reads what was written.
  EXPECT_EQ(SettingsStore::atFile(path)->totalFreedBytes(), std::numeric_limits<int64_t>::max());
}

TEST_F(StoreFixture, UnreadableStoredValuesCountAsAbsent) {
  struct Case {
    QVariant stored;
    bool present;
  };
  const Case cases[] = {
      {QVariant(1796904000.5), true},
      {QVariant("1796904000"), true},
      {QVariant("soon"), false},
      {QVariant(std::numeric_limits<double>::quiet_NaN()), false},
      {QVariant(std::numeric_limits<double>::infinity()), false},
      {QVariant("-inf"), false},
  };
  for (const auto& c : cases) {
    writeRaw("lastCleanupAt", c.stored);
    EXPECT_EQ(SettingsStore::atFile(path)->lastCleanupAt().has_value(), c.present)
        << c.stored.toString().toStdString();
  }
  writeRaw("totalFreedBytes", "lots");
  EXPECT_EQ(SettingsStore::atFile(path)->totalFreedBytes(), 0);
  EXPECT_FALSE(SettingsStore::atFile(path)->hasOnboarded());
}

TEST_F(StoreFixture, CleanupTimeAndOnboardingRoundTrip) {
  store->setLastCleanupAt(1796904000.25);
  store->setHasOnboarded(true);
  auto again = SettingsStore::atFile(path);
  EXPECT_DOUBLE_EQ(*again->lastCleanupAt(), 1796904000.25);
  EXPECT_TRUE(again->hasOnboarded());
  EXPECT_EQ(changes, (QStringList{"lastCleanupAt", "hasOnboarded"}));
}

}  // namespace
}  // namespace tidewell::models
