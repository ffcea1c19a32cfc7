#include "app/root/SectionScreens.h"

#include "app/root/SectionPlaceholder.h"
#include "screens/apps/AppsView.h"

namespace tidewell::app {

QWidget* makeSectionScreen(DetailBranch branch, const ScreenContext& context) {
  switch (branch) {
    case DetailBranch::apps:
      return new screens::AppsView(context.models.apps, context.services);
    case DetailBranch::home:
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
