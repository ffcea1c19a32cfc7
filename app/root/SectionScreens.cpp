#include "app/root/SectionScreens.h"

#include "app/root/SectionPlaceholder.h"
#include "screens/apps/AppsView.h"
#include "screens/home/HomeView.h"

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
    case DetailBranch::home: {
      const std::function<void(Mode)> select = context.select;
      return new screens::HomeView(
          {context.models.smartScan, context.models.permissions, context.models.theme, context.settings},
          [select](screens::ScanTool tool) {
            if (select) select(modeOf(tool));
          });
    }
    case DetailBranch::cleanStart:
    case DetailBranch::cleanReview:
    case DetailBranch::cleanResult:
    case DetailBranch::devMode:
    case DetailBranch::performance:
    case DetailBranch::deepScan:
    case DetailBranch::advisor:
      break;
  }
  return new SectionPlaceholder(modeOf(branch));
}

}  // namespace tidewell::app
