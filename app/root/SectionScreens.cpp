#include "app/root/SectionScreens.h"

#include "app/root/SectionPlaceholder.h"
#include "screens/apps/AppsView.h"
#include "screens/deepscan/DeepScanView.h"
#include "screens/devmode/DevModeView.h"

namespace tidewell::app {

QWidget* makeSectionScreen(DetailBranch branch, const ScreenContext& context) {
  switch (branch) {
    case DetailBranch::apps:
      return new screens::AppsView(context.models.apps, context.services);
    case DetailBranch::deepScan:
      return new screens::DeepScanView(context.models.deepScan, context.services);
    case DetailBranch::devMode:
      return new screens::DevModeView(context.models.devMode, context.services);
    case DetailBranch::home:
    case DetailBranch::cleanStart:
    case DetailBranch::cleanReview:
    case DetailBranch::cleanResult:
    case DetailBranch::performance:
    case DetailBranch::advisor:
      break;
  }
  return new SectionPlaceholder(modeOf(branch));
}

}  // namespace tidewell::app
