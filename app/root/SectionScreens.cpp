#include "app/root/SectionScreens.h"

#include "screens/advisor/AdvisorView.h"
#include "screens/apps/AppsView.h"
#include "screens/clean/CleanView.h"
#include "screens/deepscan/DeepScanView.h"
#include "screens/devmode/DevModeView.h"
#include "screens/home/HomeView.h"
#include "screens/performance/PerformanceRules.h"
#include "screens/performance/PerformanceView.h"

namespace tidewell::app {

namespace {

// The section a Home tile or a Smart Scan card opens.
Mode modeOf(screens::ScanTool tool) {
  switch (tool) {
    case screens::ScanTool::clean:
      return Mode::clean;
    case screens::ScanTool::apps:
      return Mode::apps;
    case screens::ScanTool::deepScan:
      return Mode::deepScan;
    case screens::ScanTool::advisor:
      break;
  }
  return Mode::advisor;
}

}  // namespace

QWidget* makeSectionScreen(Mode section, const ScreenContext& context) {
  switch (section) {
    case Mode::apps:
      return new screens::AppsView(context.models.apps, context.services);
    case Mode::home:
      break;
    case Mode::performance:
      return new screens::PerformanceView(context.models.performance, context.services,
                                          screens::autostartFolder(context.models.home));
    case Mode::advisor:
      return new screens::AdvisorView(context.models.advisor, context.services);
    case Mode::deepScan:
      return new screens::DeepScanView(context.models.deepScan, context.services);
    case Mode::devMode:
      return new screens::DevModeView(context.models.devMode, context.services);
    case Mode::clean:
      return new screens::CleanView(context.models.cleanup, context.settings, context.models.theme);
  }
  const std::function<void(Mode)> select = context.select;
  return new screens::HomeView(
      {context.models.smartScan, context.models.permissions, context.models.theme, context.settings},
      [select](screens::ScanTool tool) {
        if (select) select(modeOf(tool));
      });
}

}  // namespace tidewell::app
