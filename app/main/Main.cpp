// tidewell-mac: the application. One instance per user: a later launch
// hands its link (or a reopen) to the running one and exits.
#include <QApplication>

#include "app/AppBridge.h"
#include "app/ApplicationSetup.h"
#include "app/LaunchRequest.h"
#include "app/TidewellMacApp.h"
#include "design/BundledFonts.h"

using namespace tidewell;

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  app::configureApplication(qtApp);
  const app::LaunchRequest request = app::LaunchRequest::fromArguments(QCoreApplication::arguments().mid(1));

  app::TidewellMacApp application(app::AppBridge::shared(), {});
  if (!application.claimInstance(request)) return 0;

  design::registerBundledFonts();
  application.launch(request);
  return qtApp.exec();
}
