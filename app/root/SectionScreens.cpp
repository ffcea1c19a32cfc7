#include "app/root/SectionScreens.h"

#include "app/root/SectionPlaceholder.h"
#include "screens/advisor/AdvisorView.h"
#include "screens/apps/AppsView.h"
#include "screens/performance/PerformanceRules.h"
#include "screens/performance/PerformanceView.h"

namespace tidewell::app {

QWidget* makeSectionScreen(DetailBranch branch, const ScreenContext& context) {
  switch (branch) {
    case DetailBranch::apps:
      return new screens::AppsView(context.models.apps, context.services);
    case DetailBranch::performance:
      return new screens::PerformanceView(context.models.performance, context.services,
                                          screens::autostartFolder(context.models.home));
    case DetailBranch::advisor:
      return new screens::AdvisorView(context.models.advisor, context.services);
    case DetailBranch::home:
    case DetailBranch::cleanStart:
    case DetailBranch::cleanReview:
    case DetailBranch::cleanResult:
    case DetailBranch::devMode:
    case DetailBranch::deepScan:
      break;
  }
  return new SectionPlaceholder(modeOf(branch));
}

}  // namespace tidewell::app
