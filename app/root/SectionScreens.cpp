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
Section sectionOf(screens::ScanTool tool) {
  switch (tool) {
    case screens::ScanTool::clean:
      return Section::clean;
    case screens::ScanTool::apps:
      return Section::apps;
    case screens::ScanTool::deepScan:
      return Section::deepScan;
    case screens::ScanTool::advisor:
      break;
  }
  return Section::advisor;
}

}  // namespace

QWidget* makeSectionScreen(Section section, const ScreenContext& context) {
  switch (section) {
    case Section::apps:
      return new screens::AppsView(context.models.apps, context.services);
    case Section::home:
      break;
    case Section::performance:
      return new screens::PerformanceView(context.models.performance, context.services,
                                          screens::autostartFolder(context.models.home));
    case Section::advisor:
      return new screens::AdvisorView(context.models.advisor, context.services);
    case Section::deepScan:
      return new screens::DeepScanView(context.models.deepScan, context.services);
    case Section::devMode:
      return new screens::DevModeView(context.models.devMode, context.services);
    case Section::clean:
      return new screens::CleanView(context.models.cleanup, context.settings, context.models.volume);
  }
  auto* home = new screens::HomeView({context.models.smartScan, context.models.permissions,
                                      context.models.volume, context.models.theme, context.settings});
  QObject::connect(home, &screens::HomeView::toolRequested, home,
                   [select = context.select](screens::ScanTool tool) {
                     if (select) select(sectionOf(tool));
                   });
  return home;
}

}  // namespace tidewell::app
