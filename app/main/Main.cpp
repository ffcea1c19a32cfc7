// tidewell-mac: the application. One instance per user: a later launch
// hands its link (or a reopen) to the running one and exits.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/AppBridge.h"
#include "app/ApplicationSetup.h"
#include "app/LaunchOptions.h"
#include "app/ShellOptions.h"
#include "app/TidewellMacApp.h"
#include "app/main/FirstPaintReport.h"
#include "app/root/WindowModels.h"
#include "base/ToolkitArguments.h"
#include "design/type/BundledFonts.h"

using namespace tidewell;

int main(int argc, char** argv) {
  // The command line is read before QApplication, which aborts without a
  // display, so --help and a mistyped option are answered anywhere.
  QStringList arguments;
  for (const std::string& argument : base::programArguments(argc, argv)) {
    arguments << QString::fromLocal8Bit(argument.data(), qsizetype(argument.size()));
  }
  const app::LaunchOptions options = app::parseLaunchOptions(arguments);
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "tidewell-mac: %s\n", qPrintable(options.error));
    return 2;
  }
  if (options.help) {
    std::fputs(qPrintable(options.helpText), stdout);
    return 0;
  }

  QApplication qtApp(argc, argv);
  app::configureApplication(qtApp);
  const app::LaunchRequest& request = options.request;

  app::AppBridge& bridge = app::AppBridge::shared();
  const app::ProcessServices process = app::ProcessServices::forMachine();
  auto application = std::make_unique<app::TidewellMacApp>(bridge, app::shellOptions(bridge, process));
  if (!application->claimInstance(request)) return 0;

  design::registerBundledFonts();
  app::reportFirstPaintWhenAsked();
  application->launch(request);
  const int status = qtApp.exec();

  // Quitting ends the process even while engine work still runs (a Deep
  // Scan walk may take minutes to come back): the windows and the channel
  // go first, settings are already on disk (each write is synced), and the
  // worker threads are not waited for.
  application.reset();
  std::_Exit(status);
}
