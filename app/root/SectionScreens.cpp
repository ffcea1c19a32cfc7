#include "app/root/SectionScreens.h"

#include "screens/advisor/AdvisorView.h"
#include "screens/apps/AppsView.h"
#include "screens/clean/CleanedView.h"
#include "screens/clean/ReviewView.h"
#include "screens/clean/ScanView.h"
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

QWidget* makeSectionScreen(DetailBranch branch, const ScreenContext& context) {
  switch (branch) {
    case DetailBranch::apps:
      return new screens::AppsView(context.models.apps, context.services);
    case DetailBranch::home:
      break;
    case DetailBranch::performance:
      return new screens::PerformanceView(context.models.performance, context.services,
                                          screens::autostartFolder(context.models.home));
    case DetailBranch::advisor:
      return new screens::AdvisorView(context.models.advisor, context.services);
    case DetailBranch::deepScan:
      return new screens::DeepScanView(context.models.deepScan, context.services);
    case DetailBranch::devMode:
      return new screens::DevModeView(context.models.devMode, context.services);
    case DetailBranch::cleanStart:
      return new screens::ScanView(context.models.cleanup, context.settings);
    case DetailBranch::cleanReview:
      return new screens::ReviewView(context.models.cleanup, context.models.volume);
    case DetailBranch::cleanResult:
      return new screens::CleanedView(context.models.cleanup);
  }
  const std::function<void(Mode)> select = context.select;
  return new screens::HomeView({context.models.smartScan, context.models.permissions, context.models.volume,
                                context.models.theme, context.settings},
                               [select](screens::ScanTool tool) {
                                 if (select) select(modeOf(tool));
                               });
}

}  // namespace tidewell::app
