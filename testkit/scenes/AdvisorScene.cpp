#include "testkit/scenes/AdvisorScene.h"

#include "screens/advisor/AdvisorView.h"

namespace tidewell::probe {

AdvisorScene::AdvisorScene(base::TimePoint at) : ModelScene(at) {
  model = std::make_shared<models::AdvisorViewModel>(modelServices(), engine);
}

screens::AdvisorView* AdvisorScene::makeView() const {
  return new screens::AdvisorView(model, fakes.services(), clock());
}

void AdvisorScene::scanToEnd() {
  model->scan();
  runToEnd();
}

}  // namespace tidewell::probe
