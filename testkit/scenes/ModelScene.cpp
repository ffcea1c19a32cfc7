#include "testkit/scenes/ModelScene.h"

#include "models/SettingsStore.h"
#include "testkit/probe/Probe.h"

namespace tidewell::probe {

ModelScene::ModelScene(base::TimePoint at) : now(at) { fakes.icons->immediate = true; }

models::ModelServices ModelScene::modelServices() const {
  return {executor, models::SettingsStore::atFile(dir.filePath("settings.ini")), clock()};
}

void ModelScene::runToEnd() {
  settle();
  while (executor->pending() > 0) {
    executor->runAll();
    settle();
  }
}

void ModelScene::runNext() {
  settle();
  executor->runJob();
  settle();
}

}  // namespace tidewell::probe
