#include "app/root/SectionScreens.h"

#include "app/root/SectionPlaceholder.h"

namespace tidewell::app {

QWidget* makeSectionScreen(DetailBranch branch, const ScreenContext&) {
  switch (branch) {
    case DetailBranch::home:
    case DetailBranch::cleanStart:
    case DetailBranch::cleanReview:
    case DetailBranch::cleanResult:
    case DetailBranch::devMode:
    case DetailBranch::apps:
    case DetailBranch::performance:
    case DetailBranch::deepScan:
    case DetailBranch::advisor:
      break;
  }
  return new SectionPlaceholder(modeOf(branch));
}

}  // namespace tidewell::app
