// render-apps: the Apps screen in its states (before the first scan,
// scanning, the grid in each order, no applications, a plan being built,
// the uninstall sheet, the banners after an uninstall), from the real Apps
// model over a scripted engine. scripts/screens OUTDIR runs it.
#include <QMenu>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <functional>

#include "design/theme/SectionPalette.h"
#include "models/SettingsStore.h"
#include "models/ThreadPoolExecutor.h"
#include "screens/apps/AppCard.h"
#include "screens/apps/AppGrid.h"
#include "screens/apps/AppsSortMenu.h"
#include "screens/apps/AppsView.h"
#include "screens/apps/TrashButton.h"
#include "screens/apps/UninstallSheet.h"
#include "screens/apps/UninstallSheetPresenter.h"
#include "testkit/fakes/ScriptedAppsEngine.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"
#include "testkit/scenes/AppsScene.h"

namespace tidewell::render {

// A renderer shows the screens: their names read as they do there.
using namespace screens;
namespace {

using engine::InstalledApp;
using engine::LeftoverFile;
using models::AppsViewModel;
using std::chrono::hours;

// 10 December 2026, noon UTC.
const base::TimePoint kNow{std::chrono::seconds{1796904000}};
constexpr hours kDay{24};
const std::string kHome = "/home/ada";

InstalledApp app(std::string name, int64_t bytes, std::optional<int> daysSinceUse,
                 std::optional<std::string> version, std::string bundleID,
                 std::string folder = "/Applications") {
  InstalledApp made;
  made.name = name;
  made.url = folder + "/" + name + ".app";
  made.bundleID = bundleID;
  made.id = bundleID;
  made.version = std::move(version);
  made.sizeBytes = bytes;
  if (daysSinceUse) made.lastUsed = kNow - *daysSinceUse * kDay;
  return made;
}

std::vector<InstalledApp> installedApps() {
  return {
      app("Final Cut Pro", 4'210'000'000, 14, "10.8", "com.example.finalcut"),
      app("Adobe Media Encoder 2025", 2'900'000'000, 400, "25.1", "com.adobe.ame"),
      app("Old Game", 8'500'000'000, 500, "1.2", "com.example.oldgame"),
      app("Notes Helper", 1'530'000'000, std::nullopt, "3.0", "com.example.notes.helper"),
      app("Sketch Pad", 320'000'000, 95, "2.4.1", "com.example.sketchpad"),
      // A second copy of the same application: a card of its own.
      app("Sketch Pad", 310'000'000, 200, "2.3", "com.example.sketchpad", kHome + "/Applications"),
      app("Terminal Plus", 48'200'000, 2, std::nullopt, "com.example.terminalplus"),
      app("Universe Installer", 120'000'000, 30, "2024.1", "com.maxon.universe.installer"),
      app("Weather Station", 96'400'000, 1, "5.0", "com.example.weather"),
      app("Photo Booth Extended Edition for Professionals", 610'000'000, 60, "7.0.2", "com.example.booth"),
  };
}

LeftoverFile leftover(int n, std::string path, std::string category, int64_t bytes) {
  return {"L" + std::to_string(n), kHome + "/Library/" + path, std::move(category), bytes, std::nullopt};
}

void script(testing::ScriptedAppsEngine& engine) {
  engine.installed = installedApps();
  engine.leftoversByUrl["/Applications/Old Game.app"] = {
      leftover(1, "Application Support/Old Game", "Application Support", 2'100'000'000),
      leftover(2, "Caches/com.example.oldgame", "Cache", 412'000'000),
      leftover(3, "Containers/com.example.oldgame", "Container", 96'000'000),
      leftover(4, "Preferences/com.example.oldgame.plist", "Preferences", 4'096),
      leftover(5, "Saved Application State/com.example.oldgame.savedState", "Saved State", 61'440),
      leftover(6, "Logs/Old Game", "Logs", 1'200'000),
  };
  std::vector<LeftoverFile> many;
  const char* kinds[] = {"Cache",           "Preferences", "Container",           "Saved State",
                         "Web Storage",     "WebKit Data", "Application Support", "Logs",
                         "Group Container", "Launch Agent"};
  for (int i = 0; i < 14; ++i)
    many.push_back(leftover(100 + i, "Caches/com.example.notes.helper.worker-" + std::to_string(i + 1),
                            kinds[i % 10], 12'000'000 + i * 3'400'000));
  engine.leftoversByUrl["/Applications/Notes Helper.app"] = many;
  engine.leftoversByUrl["/Applications/Photo Booth Extended Edition for Professionals.app"] = {
      leftover(200, "Group Containers/group.com.example.booth.shared-library-of-effects-and-backdrops",
               "Group Container", 240'000'000),
      leftover(201, "Caches/com.example.booth", "Cache", 18'000'000),
  };
  std::vector<std::string> leftBehind;
  for (int i = 1; i <= 9; ++i) leftBehind.push_back("com.example.notes.helper.worker-" + std::to_string(i));
  engine.failuresByUrl["/Applications/Notes Helper.app"] = leftBehind;
}

// The scripted scene, and the application of that name in its list.
struct Scene : probe::AppsScene {
  explicit Scene(bool scripted = true) : AppsScene(kNow) {
    if (scripted) script(*engine);
  }
  AppsView* view() const { return makeView(); }
  void scanned() { scanToEnd(); }
  const InstalledApp& named(const std::string& name) const {
    for (const auto& each : model->apps())
      if (each.name == name) return each;
    return model->apps().front();
  }
};

const design::SectionPalette& accent() { return design::SectionPalette::apps(); }

void idle(probe::Shots& shots) {
  Scene scene;
  shots.take("apps-idle", scene.view(), accent(), probe::kDetailPaneSize);
}

// The scan waits at 37 % on a worker thread while the picture is taken.
void scanning(probe::Shots& shots) {
  QTemporaryDir dir;
  auto engine = std::make_shared<testing::ScriptedAppsEngine>();
  script(*engine);
  engine->holdScanAt(0.37);
  auto executor = std::make_shared<models::ThreadPoolExecutor>(1);
  auto model = std::make_shared<AppsViewModel>(
      models::ModelServices{executor, models::SettingsStore::atFile(dir.filePath("settings.ini")),
                            models::Clock::fixed(kNow)},
      engine);
  probe::FakeServices fakes;
  model->scan();
  engine->waitUntilHeld();
  while (model->scanProgress() < 0.37) probe::settle();
  shots.take("apps-scanning", new AppsView(model, fakes.services(), models::Clock::fixed(kNow)), accent(),
             probe::kDetailPaneSize);
  engine->release();
  while (model->phase() != AppsViewModel::Phase::list) {
    QThread::msleep(5);
    probe::settle();
  }
}

void sortOrders(probe::Shots& shots) {
  const std::pair<AppsViewModel::SortOrder, const char*> orders[] = {
      {AppsViewModel::SortOrder::leastUsed, "apps-list-least-used"},
      {AppsViewModel::SortOrder::largest, "apps-list-largest"},
      {AppsViewModel::SortOrder::name, "apps-list-name"},
  };
  for (const auto& [order, name] : orders) {
    Scene scene;
    scene.scanned();
    scene.model->setSortOrder(order);
    shots.take(name, scene.view(), accent(), probe::kDetailPaneSize);
  }
  Scene empty(false);
  empty.scanned();
  shots.take("apps-list-empty", empty.view(), accent(), probe::kDetailPaneSize);

  // The pointer over the second card and over the first card's trash button.
  Scene hovered;
  hovered.scanned();
  probe::Stage stage(hovered.view(), accent(), probe::kDetailPaneSize);
  stage.image(1);
  const auto cards = probe::find<screens::AppGrid>(&stage, "appGrid")->cards();
  cards[0]->trashButton()->setHovering(true);
  cards[0]->setHovering(true);
  cards[1]->setHovering(true);
  probe::settle();
  shots.take("apps-list-hover", stage);
}

void sortMenu(probe::Shots& shots) {
  Scene scene;
  scene.scanned();
  probe::Stage stage(scene.view(), accent(), probe::kDetailPaneSize);
  stage.image(1);
  auto* menu = probe::find<screens::AppsSortMenu>(&stage, "sortMenu");
  probe::click(menu);
  shots.save("apps-sort-menu", probe::render(menu->menu(), menu->menu()->sizeHint(), 2));
  menu->menu()->hide();
}

void planAndSheet(probe::Shots& shots) {
  {
    Scene scene;
    scene.scanned();
    probe::Stage stage(scene.view(), accent(), probe::kDetailPaneSize);
    scene.model->prepareUninstall(scene.named("Old Game"));
    shots.take("apps-building-plan", stage);
  }
  const std::pair<const char*, const char*> sheets[] = {
      {"Old Game", "apps-sheet"},
      {"Terminal Plus", "apps-sheet-no-leftovers"},
      {"Notes Helper", "apps-sheet-many-leftovers"},
      {"Photo Booth Extended Edition for Professionals", "apps-sheet-long-names"},
  };
  for (const auto& [app, name] : sheets) {
    Scene scene;
    scene.scanned();
    auto* view = scene.view();
    probe::Stage stage(view, accent(), probe::kDetailPaneSize);
    stage.show();
    scene.model->prepareUninstall(scene.named(app));
    scene.runToEnd();
    screens::UninstallSheet* sheet = view->sheets()->sheet();
    if (!sheet) continue;
    shots.save(name, probe::render(sheet, sheet->size(), 2));
    sheet->reject();
  }
}

void results(probe::Shots& shots) {
  const std::pair<const char*, const char*> outcomes[] = {
      {"Old Game", "apps-result-moved"},
      {"Notes Helper", "apps-result-failed"},
  };
  for (const auto& [app, name] : outcomes) {
    Scene scene;
    scene.scanned();
    scene.model->prepareUninstall(scene.named(app));
    scene.runToEnd();
    if (scene.model->pendingPlan()) scene.model->confirmUninstall(scene.model->pendingPlan()->id);
    scene.runToEnd();
    shots.take(name, scene.view(), accent(), probe::kDetailPaneSize);
  }
}

}  // namespace
}  // namespace tidewell::render

int main(int argc, char** argv) {
  // Ages and day counts read the same wherever this runs.
  setenv("TZ", "UTC0", 1);
  using namespace tidewell::render;
  return tidewell::probe::runRenderer(argc, argv, [](tidewell::probe::Shots& shots) {
    idle(shots);
    scanning(shots);
    sortOrders(shots);
    sortMenu(shots);
    planAndSheet(shots);
    results(shots);
  });
}
