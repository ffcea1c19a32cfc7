// render-deepscan: the Deep Scan screen in its states, from the real model
// over a scripted engine and a manual executor: the start page, scanning
// at 37 %, the bucket list, a bucket's cards, the question before trashing
// a personal item, the banner after a move and after a refusal, and the
// empty state. scripts/screens OUTDIR runs it with the others.
#include <QTemporaryDir>
#include <set>

#include "design/theme/Color.h"
#include "models/ManualExecutor.h"
#include "models/deepscan/DeepScanViewModel.h"
#include "screens/deepscan/DeepScanView.h"
#include "screens/deepscan/TrashQuestion.h"
#include "testkit/fakes/ScriptedDeepScanEngine.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"
#include "testkit/probe/Stage.h"

namespace tidewell::render {

// A renderer shows the screens: their names read as they do there.
using namespace screens;
namespace {

using engine::BigItem;
using Kind = BigItem::Kind;
using Outcome = engine::BigItemScanner::TrashOutcome;

constexpr const char* kHome = "/home/robin/";

BigItem item(const std::string& path, int64_t size, Kind kind, bool folder, std::optional<std::string> note) {
  BigItem made;
  made.id = made.url = kHome + path;
  made.name = path.substr(path.rfind('/') + 1);
  made.location = "~/" + path.substr(0, path.rfind('/'));
  made.sizeBytes = size;
  made.isDirectory = folder;
  made.kind = kind;
  made.note = std::move(note);
  return made;
}

// An engine whose every scan reports 37 % before it ends.
std::shared_ptr<testing::ScriptedDeepScanEngine> emptyHome() {
  auto engine = std::make_shared<testing::ScriptedDeepScanEngine>();
  engine->reports = {0.37};
  return engine;
}

// A home with something in every bucket.
std::shared_ptr<testing::ScriptedDeepScanEngine> fullHome() {
  auto engine = emptyHome();
  engine->big = {
      item("Movies/Holiday 2025.mov", 14'200'000'000, Kind::personal, false, std::nullopt),
      item("Library/Developer/Xcode/DerivedData", 11'600'000'000, Kind::rebuildable, true,
           std::string("Build products Xcode re-creates on the next build.")),
      item("Library/Application Support/Slack", 3'400'000'000, Kind::appData, true,
           std::string("Slack's cache and local message store. Sign-in may go with it.")),
      item("Library/Caches/com.spotify.client", 2'900'000'000, Kind::cache, true,
           std::string("Spotify's offline cache. It downloads again as you play.")),
      item("Documents/Projects/archive-2019", 1'800'000'000, Kind::personal, true, std::nullopt),
      item("code/web/node_modules", 1'200'000'000, Kind::rebuildable, true,
           std::string("Packages npm installs again from package.json.")),
      item("Downloads/mystery.bin", 950'000'000, Kind::other, false, std::nullopt),
  };
  engine->installerItems = {
      item("Downloads/Xcode_16.xip", 7'800'000'000, Kind::installer, false,
           std::string("A downloaded installer. Safe to trash once the app is installed."))};
  BigItem docker =
      item("Library/Containers/com.docker.docker/Data/vms/0/data/Docker.raw", 24'000'000'000, Kind::container,
           false, std::string("Docker's virtual disk: your images, containers and volumes."));
  docker.reclaimCommand = "docker system prune -a";
  engine->containerItems = {docker};
  return engine;
}

// One screen over its own model, for one state.
struct Scene {
  QTemporaryDir dir;
  std::shared_ptr<models::ManualExecutor> executor = std::make_shared<models::ManualExecutor>();
  std::shared_ptr<models::DeepScanViewModel> model;
  probe::FakeServices fakes;
  DeepScanView* view;
  probe::Stage stage;

  explicit Scene(std::shared_ptr<testing::ScriptedDeepScanEngine> engine)
      : model(std::make_shared<models::DeepScanViewModel>(
            models::ModelServices{executor, models::SettingsStore::atFile(dir.filePath("settings.ini")),
                                  models::Clock::system()},
            std::move(engine))),
        view(new DeepScanView(model, fakes.services())),
        stage(view, design::SectionPalette::deepScan(), probe::kDetailPaneSize) {
    stage.image(1);
  }
  void finish() {
    probe::settle();
    while (executor->pending() > 0) {
      executor->runAll();
      probe::settle();
    }
    stage.image(1);
  }
  void scan() {
    view->startScan();
    finish();
  }
  QWidget* card(const std::string& path, const char* button) {
    QWidget* found = probe::find(&stage, "bigItemCard", QString::fromStdString(kHome + path));
    return found ? probe::find(found, button) : nullptr;
  }
};

// The stage as it stands, without delivering what is queued (a render
// through the probe would let the frozen scan finish): only layouts run.
QImage still(probe::Stage& stage) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  QImage image(stage.size() * 2, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(2);
  image.fill(design::Color::appBackground());
  stage.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

void renderAll(probe::Shots& shots) {
  {
    Scene scene(fullHome());
    shots.take("deepscan-idle", scene.stage);
  }
  {
    Scene scene(fullHome());
    scene.view->startScan();
    // The engine reports 37 %; deliver only that report, not its end.
    scene.executor->runJob();
    QCoreApplication::sendPostedEvents(scene.model.get(), QEvent::MetaCall);
    shots.save("deepscan-scanning", still(scene.stage));
  }
  {
    Scene scene(fullHome());
    scene.scan();
    shots.take("deepscan-buckets", scene.stage);
    scene.view->pickBucket(RiskBucket::container);
    scene.stage.image(1);
    probe::click(
        scene.card("Library/Containers/com.docker.docker/Data/vms/0/data/Docker.raw", "copyCommandButton"));
    shots.take("deepscan-containers", scene.stage);
    scene.view->pickBucket(RiskBucket::personal);
    scene.stage.image(1);
    shots.take("deepscan-personal", scene.stage);
    probe::click(scene.card("Documents/Projects/archive-2019", "trashButton"));
    if (screens::TrashQuestion* question = scene.view->trashQuestion()) {
      shots.save("deepscan-confirm", scene.stage.imageWithDialog(question));
      probe::click(probe::find(question, "alertConfirm"));
    }
    scene.finish();
    shots.take("deepscan-banner-success", scene.stage);
  }
  {
    auto engine = fullHome();
    engine->refused = {std::string(kHome) + "Downloads/mystery.bin"};
    Scene scene(engine);
    scene.scan();
    scene.view->pickBucket(RiskBucket::other);
    scene.stage.image(1);
    probe::click(scene.card("Downloads/mystery.bin", "trashButton"));
    scene.finish();
    shots.take("deepscan-banner-failure", scene.stage);
  }
  {
    Scene scene(emptyHome());
    scene.scan();
    shots.take("deepscan-empty", scene.stage);
  }
}

}  // namespace
}  // namespace tidewell::render

int main(int argc, char** argv) {
  return tidewell::probe::runRenderer(argc, argv, tidewell::render::renderAll);
}
