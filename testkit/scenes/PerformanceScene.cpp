#include "testkit/scenes/PerformanceScene.h"

#include "screens/performance/PerformanceRules.h"
#include "screens/performance/PerformanceView.h"

namespace tidewell::probe {

PerformanceScene::PerformanceScene(base::TimePoint at) : ModelScene(at) {
  model =
      std::make_shared<models::PerformanceViewModel>(modelServices(), engine, std::chrono::milliseconds(0));
}

screens::PerformanceView* PerformanceScene::makeView() const {
  return new screens::PerformanceView(model, fakes.services(), screens::autostartFolder(home));
}

void PerformanceScene::scanToEnd() {
  model->scan();
  runToEnd();
}

}  // namespace tidewell::probe
