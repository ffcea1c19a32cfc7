#include "design/ThemeEngine.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSignalSpy>
#include <memory>
#include <vector>

namespace tidewell::design {
namespace {

using platform::VolumeCapacity;

// A volume whose readings the test scripts; counts how often it is read.
struct FakeVolume {
  std::optional<VolumeCapacity> next;
  int reads = 0;
  ThemeEngine::VolumeReader reader() {
    return [this] {
      ++reads;
      return next;
    };
  }
};

// Every change notification of the engine, in order.
struct Recorder {
  std::vector<std::string> events;
  explicit Recorder(ThemeEngine& engine) {
    QObject::connect(&engine, &ThemeEngine::freeBytesChanged, [this] { events.push_back("free"); });
    QObject::connect(&engine, &ThemeEngine::totalBytesChanged, [this] { events.push_back("total"); });
    QObject::connect(&engine, &ThemeEngine::paletteChanged, [this] { events.push_back("palette"); });
  }
};

void activate() {
  Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
  QCoreApplication::processEvents();
}

TEST(ThemeEngine, StartsHealthyWithFreeFractionZeroWhenTheFirstReadingFails) {
  FakeVolume volume;
  ThemeEngine engine(volume.reader());
  EXPECT_EQ(volume.reads, 1);
  EXPECT_EQ(engine.freeBytes(), 0);
  EXPECT_EQ(engine.totalBytes(), 1);
  EXPECT_DOUBLE_EQ(engine.freeFraction(), 0.0);
  EXPECT_EQ(engine.palette().label, QStringLiteral("Healthy"));
}

TEST(ThemeEngine, MeasuresAtCreation) {
  FakeVolume volume;
  volume.next = VolumeCapacity{10, 100};
  ThemeEngine engine(volume.reader());
  EXPECT_EQ(engine.freeBytes(), 10);
  EXPECT_EQ(engine.totalBytes(), 100);
  EXPECT_DOUBLE_EQ(engine.freeFraction(), 0.1);
  EXPECT_EQ(engine.palette().label, QStringLiteral("Running low"));
}

TEST(ThemeEngine, UnusableReadingsChangeNothing) {
  const std::optional<VolumeCapacity> unusable[] = {std::nullopt, VolumeCapacity{5, 0},
                                                    VolumeCapacity{5, -3}};
  for (const auto& reading : unusable) {
    FakeVolume volume;
    volume.next = VolumeCapacity{40, 200};
    ThemeEngine engine(volume.reader());
    Recorder recorder(engine);
    volume.next = reading;
    engine.refresh();
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(engine.freeBytes(), 40);
    EXPECT_EQ(engine.totalBytes(), 200);
    EXPECT_EQ(engine.palette().label, QStringLiteral("Filling up"));
  }
}

TEST(ThemeEngine, EveryRefreshNotifiesThreeTimesInOrderEvenWhenUnchanged) {
  FakeVolume volume;
  volume.next = VolumeCapacity{70, 100};
  ThemeEngine engine(volume.reader());
  Recorder recorder(engine);
  engine.refresh();
  engine.refresh();
  const std::vector<std::string> expected{"free", "total", "palette", "free", "total", "palette"};
  EXPECT_EQ(recorder.events, expected);
}

TEST(ThemeEngine, NegativeFreeSpaceReadsAsCritical) {
  FakeVolume volume;
  volume.next = VolumeCapacity{-10, 100};
  ThemeEngine engine(volume.reader());
  EXPECT_EQ(engine.freeBytes(), -10);
  EXPECT_EQ(engine.palette().label, QStringLiteral("Critical"));
}

TEST(ThemeEngine, RefreshesWhenTheApplicationBecomesActive) {
  FakeVolume volume;
  volume.next = VolumeCapacity{50, 100};
  ThemeEngine engine(volume.reader());
  volume.next = VolumeCapacity{5, 100};
  Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
  QCoreApplication::processEvents();
  EXPECT_EQ(volume.reads, 1);
  activate();
  EXPECT_EQ(volume.reads, 2);
  EXPECT_EQ(engine.freeBytes(), 5);
  EXPECT_EQ(engine.palette().label, QStringLiteral("Critical"));
}

TEST(ThemeEngine, NothingIsMeasuredAfterTheEngineIsGone) {
  FakeVolume volume;
  volume.next = VolumeCapacity{50, 100};
  auto engine = std::make_unique<ThemeEngine>(volume.reader());
  engine.reset();
  activate();
  EXPECT_EQ(volume.reads, 1);

  // An activation queued just before destruction is dropped too.
  engine = std::make_unique<ThemeEngine>(volume.reader());
  Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
  engine.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(volume.reads, 2);
}

}  // namespace
}  // namespace tidewell::design
