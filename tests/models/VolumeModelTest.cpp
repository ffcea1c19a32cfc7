#include "models/VolumeModel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "models/permissions/ActivationSource.h"
#include "tests/models/SignalLog.h"

namespace tidewell::models {
namespace {

using platform::VolumeCapacity;

// A volume whose readings the test scripts; counts how often it is read.
struct FakeVolume {
  std::optional<VolumeCapacity> next;
  int reads = 0;
  VolumeModel::VolumeReader reader() {
    return [this] {
      ++reads;
      return next;
    };
  }
};

// Every notification of the model, in order.
struct Log : testing::SignalLog {
  explicit Log(VolumeModel& model) {
    watch(&model, &VolumeModel::freeBytesChanged, "free");
    watch(&model, &VolumeModel::totalBytesChanged, "total");
    watch(&model, &FeatureModel::changed, "changed");
    watch(&model, &VolumeModel::measured, "measured");
  }
};

TEST(VolumeModel, StartsAtZeroOfOneByteWhenTheFirstReadingFails) {
  FakeVolume volume;
  VolumeModel model(volume.reader());
  EXPECT_EQ(volume.reads, 1);
  EXPECT_EQ(model.freeBytes(), 0);
  EXPECT_EQ(model.totalBytes(), 1);
  EXPECT_DOUBLE_EQ(model.freeFraction(), 0.0);
  EXPECT_FALSE(model.hasReading());
}

TEST(VolumeModel, MeasuresAtCreation) {
  FakeVolume volume;
  volume.next = VolumeCapacity{10, 100};
  VolumeModel model(volume.reader());
  EXPECT_EQ(model.freeBytes(), 10);
  EXPECT_EQ(model.totalBytes(), 100);
  EXPECT_DOUBLE_EQ(model.freeFraction(), 0.1);
  EXPECT_TRUE(model.hasReading());
}

TEST(VolumeModel, UnusableReadingsChangeNothing) {
  const std::optional<VolumeCapacity> unusable[] = {std::nullopt, VolumeCapacity{5, 0},
                                                    VolumeCapacity{5, -3}};
  for (const auto& reading : unusable) {
    FakeVolume volume;
    volume.next = VolumeCapacity{40, 200};
    VolumeModel model(volume.reader());
    Log log(model);
    volume.next = reading;
    model.refresh();
    EXPECT_TRUE(log.names().empty());
    EXPECT_EQ(model.freeBytes(), 40);
    EXPECT_EQ(model.totalBytes(), 200);
  }
}

TEST(VolumeModel, EveryReadingPublishesBothFieldsInOrderEvenWhenUnchanged) {
  FakeVolume volume;
  volume.next = VolumeCapacity{70, 100};
  VolumeModel model(volume.reader());
  Log log(model);
  model.refresh();
  model.refresh();
  const std::vector<std::string> once{"free", "changed", "total", "changed", "measured"};
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(log.names(), twice);
}

TEST(VolumeModel, KeepsNegativeFreeSpace) {
  FakeVolume volume;
  volume.next = VolumeCapacity{-10, 100};
  VolumeModel model(volume.reader());
  EXPECT_EQ(model.freeBytes(), -10);
  EXPECT_DOUBLE_EQ(model.freeFraction(), -0.1);
}

TEST(VolumeModel, MeasuresAgainSoonAfterEachActivation) {
  FakeVolume volume;
  volume.next = VolumeCapacity{50, 100};
  ActivationSource activation;
  VolumeModel model(volume.reader(), &activation);
  volume.next = VolumeCapacity{5, 100};
  Q_EMIT activation.activated();
  EXPECT_EQ(volume.reads, 1);  // queued, not measured inside the signal
  QCoreApplication::processEvents();
  EXPECT_EQ(volume.reads, 2);
  EXPECT_EQ(model.freeBytes(), 5);
}

TEST(VolumeModel, NothingIsMeasuredAfterTheModelIsGone) {
  FakeVolume volume;
  volume.next = VolumeCapacity{50, 100};
  ActivationSource activation;
  auto model = std::make_unique<VolumeModel>(volume.reader(), &activation);
  model.reset();
  Q_EMIT activation.activated();
  QCoreApplication::processEvents();
  EXPECT_EQ(volume.reads, 1);

  // An activation queued just before destruction is dropped too.
  model = std::make_unique<VolumeModel>(volume.reader(), &activation);
  Q_EMIT activation.activated();
  model.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(volume.reads, 2);
}

}  // namespace
}  // namespace tidewell::models
