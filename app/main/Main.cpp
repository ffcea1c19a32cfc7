// tidewell-mac: the application. One instance per user: a later launch
// hands its link (or a reopen) to the running one and exits.
#include <QApplication>
#include <cstdlib>
#include <memory>

#include "app/AppBridge.h"
#include "app/ApplicationSetup.h"
#include "app/LaunchRequest.h"
#include "app/ShellOptions.h"
#include "app/TidewellMacApp.h"
#include "app/root/WindowModels.h"
#include "design/BundledFonts.h"

using namespace tidewell;

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  app::configureApplication(qtApp);
  const app::LaunchRequest request = app::LaunchRequest::fromArguments(QCoreApplication::arguments().mid(1));

  app::AppBridge& bridge = app::AppBridge::shared();
  const app::ProcessServices process = app::ProcessServices::forMachine();
  auto application = std::make_unique<app::TidewellMacApp>(bridge, app::shellOptions(bridge, process));
  if (!application->claimInstance(request)) return 0;

  design::registerBundledFonts();
  application->launch(request);
  const int status = qtApp.exec();

  // Quitting ends the process even while engine work still runs (a Deep
  // Scan walk may take minutes to come back): the windows and the channel
  // go first, settings are already on disk (each write is synced), and the
  // worker threads are not waited for.
  application.reset();
  std::_Exit(status);
}
