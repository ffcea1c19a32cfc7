#include "screens/probe/AppsScene.h"

#include "models/SettingsStore.h"
#include "screens/apps/AppsView.h"
#include "screens/probe/Probe.h"

namespace tidewell::screens::probe {

AppsScene::AppsScene(platform::TimePoint at) : now(at) {
  fakes.icons->immediate = true;
  model = std::make_shared<models::AppsViewModel>(
      models::ModelServices{executor, models::SettingsStore::atFile(dir.filePath("settings.ini")), clock()},
      engine);
}

AppsView* AppsScene::makeView() const { return new AppsView(model, fakes.services(), clock()); }

void AppsScene::runToEnd() {
  settle();
  while (executor->pending() > 0) {
    executor->runAll();
    settle();
  }
}

void AppsScene::scanToEnd() {
  model->scan();
  runToEnd();
}

}  // namespace tidewell::screens::probe
