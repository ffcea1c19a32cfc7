#include "models/permissions/PermissionsModel.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/mac/PrivacyDatabaseAccess.h"
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
      std::make_shared<LinuxFullDiskAccess>(), [&](const QString& path) { revealed.push_back(path); },
      "/opt/tidewell/bin/tidewell-mac", &activation);
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

TEST(PrivacyDatabaseAccess, OnlyOpeningTheDatabaseThatExistsTellsWhetherAccessIsGranted) {
  const auto paths = PrivacyDatabaseAccess::Paths::forHome("/Users/ada");
  ASSERT_EQ(paths.system, "/Library/Application Support/com.apple.TCC/TCC.db");
  ASSERT_EQ(paths.user, "/Users/ada/Library/Application Support/com.apple.TCC/TCC.db");
  enum class File { absent, opens, refused };
  struct Case {
    const char* what;
    File system;
    File user;
    bool granted;
    std::vector<std::string> opened;
  };
  const Case cases[] = {
      {"granted: the system database opens", File::opens, File::opens, true, {paths.system}},
      {"not granted: the system database refuses", File::refused, File::opens, false, {paths.system}},
      {"only the user's database, and it opens", File::absent, File::opens, true, {paths.user}},
      {"only the user's database, refused", File::absent, File::refused, false, {paths.user}},
      {"neither exists: no open at all", File::absent, File::absent, false, {}},
  };
  for (const Case& c : cases) {
    const std::map<std::string, File> files = {{paths.system, c.system}, {paths.user, c.user}};
    std::vector<std::string> opened;
    std::vector<int> closed;
    PrivacyDatabaseAccess::Files fake{[&](const std::string& p) { return files.at(p) != File::absent; },
                                      [&](const std::string& p) {
                                        opened.push_back(p);
                                        return files.at(p) == File::opens ? 7 : -1;
                                      },
                                      [&](int fd) { closed.push_back(fd); }};
    const PrivacyDatabaseAccess access(paths, fake, nullptr);
    EXPECT_EQ(access.isGranted(), c.granted) << c.what;
    EXPECT_EQ(opened, c.opened) << c.what;
    EXPECT_EQ(closed, c.granted ? std::vector<int>{7} : std::vector<int>{}) << c.what << ": closed at once";
  }
}

TEST(PrivacyDatabaseAccess, OpensTheFullDiskAccessPaneOfTheSettings) {
  std::vector<QString> links;
  const PrivacyDatabaseAccess access(PrivacyDatabaseAccess::Paths::forHome("/Users/ada"),
                                     PrivacyDatabaseAccess::Files::posix(),
                                     [&](const QString& link) { links.push_back(link); });
  access.openSettings();
  EXPECT_EQ(links,
            std::vector<QString>{"x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"});
}

}  // namespace
}  // namespace tidewell::models
