#include "app/ShellOptions.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "app/AppBridge.h"
#include "design/theme/ThemeEngine.h"
#include "models/VolumeModel.h"
#include "testkit/fakes/ModelTesting.h"

namespace tidewell::app {
namespace {

// The shell has the window's volume (and with it the theme) measured again
// when the application becomes active, and only then.
TEST(ShellOptions, TheVolumeIsMeasuredAgainWhenTheApplicationBecomesActive) {
  tidewell::testing::ModelHarness harness;
  ProcessServices process =
      ProcessServices::forContext(platform::EngineContext::forFixture("/fixture"), harness.services());
  std::optional<platform::VolumeCapacity> next = platform::VolumeCapacity{50, 100};
  int reads = 0;
  process.readVolume = [&] {
    ++reads;
    return next;
  };
  AppBridge bridge;
  const TidewellMacApp::Options options = shellOptions(bridge, process);
  const WindowModels window = WindowModels::create(process, {});

  next = platform::VolumeCapacity{5, 100};
  Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
  QCoreApplication::processEvents();
  EXPECT_EQ(reads, 1);
  Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
  QCoreApplication::processEvents();
  EXPECT_EQ(reads, 2);
  EXPECT_EQ(window.volume->freeBytes(), 5);
  EXPECT_EQ(window.theme->palette().label, QStringLiteral("Critical"));
}

}  // namespace
}  // namespace tidewell::app
