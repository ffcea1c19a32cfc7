#include "models/permissions/PermissionsModel.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/qt/LinuxFullDiskAccess.h"
#include "testkit/fakes/ModelTesting.h"
#include "testkit/fakes/ScriptedFullDiskAccess.h"

namespace tidewell::models {
namespace {

using testing::settle;

// An answer the test changes between activations, denied at first.
std::shared_ptr<testing::ScriptedFullDiskAccess> deniedAccess() {
  auto access = std::make_shared<testing::ScriptedFullDiskAccess>();
  access->granted = false;
  return access;
}

TEST(PermissionsModel, OnLinuxAccessIsGrantedAndThereAreNoSettingsToOpen) {
  std::vector<QString> revealed;
  ActivationSource activation;
  PermissionsModel model(
      std::make_shared<platform::LinuxFullDiskAccess>(),
      [&](const QString& path) { revealed.push_back(path); }, "/opt/tidewell/bin/tidewell-mac", &activation);
  EXPECT_TRUE(model.hasFullDiskAccess());
  model.openFullDiskAccessSettings();  // nothing to observe, and nothing breaks
  model.revealAppInFinder();
  EXPECT_EQ(revealed, std::vector<QString>{"/opt/tidewell/bin/tidewell-mac"});
}

TEST(PermissionsModel, EachActivationProbesAgainAndTellsEvenWhenUnchanged) {
  auto access = deniedAccess();
  ActivationSource activation;
  auto model = std::make_unique<PermissionsModel>(access, nullptr, "/x", &activation);
  EXPECT_EQ(access->probes, 1);
  EXPECT_FALSE(model->hasFullDiskAccess());
  int told = 0;
  QObject::connect(model.get(), &PermissionsModel::hasFullDiskAccessChanged, model.get(), [&] { ++told; });

  Q_EMIT activation.activated();
  EXPECT_EQ(access->probes, 1) << "the probe is queued, not run inside the notification";
  settle();
  EXPECT_EQ(told, 1) << "told although still not granted";
  EXPECT_FALSE(model->hasFullDiskAccess());

  access->granted = true;  // granted in the settings, then back
  Q_EMIT activation.activated();
  settle();
  EXPECT_EQ(told, 2);
  EXPECT_TRUE(model->hasFullDiskAccess());

  access->granted = false;  // revoked again
  Q_EMIT activation.activated();
  settle();
  EXPECT_FALSE(model->hasFullDiskAccess());

  model->openFullDiskAccessSettings();
  EXPECT_EQ(access->settingsOpened, 1);
  model->revealAppInFinder();  // no revealer given: nothing happens

  // A model gone before its queued probe runs is not called.
  Q_EMIT activation.activated();
  model.reset();
  const int probes = access->probes;
  settle();
  EXPECT_EQ(access->probes, probes);
}

}  // namespace
}  // namespace tidewell::models
