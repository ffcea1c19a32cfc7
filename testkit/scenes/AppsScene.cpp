#include "testkit/scenes/AppsScene.h"

#include "screens/apps/AppsView.h"

namespace tidewell::probe {

AppsScene::AppsScene(base::TimePoint at) : ModelScene(at) {
  model = std::make_shared<models::AppsViewModel>(modelServices(), engine);
}

screens::AppsView* AppsScene::makeView() const {
  return new screens::AppsView(model, fakes.services(), clock());
}

void AppsScene::scanToEnd() {
  model->scan();
  runToEnd();
}

}  // namespace tidewell::probe
