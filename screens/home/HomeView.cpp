#include "screens/home/HomeView.h"

#include "screens/common/ModelCall.h"
#include "screens/common/views/Entrance.h"
#include "screens/home/HomePage.h"
#include "screens/smartscan/SmartScanPage.h"

namespace tidewell::screens {

using Controller = models::SmartScanController;
using Phase = Controller::Phase;

HomeViewPage homeViewPageOf(Phase phase) {
  return phase == Phase::idle ? HomeViewPage::home : HomeViewPage::smartScan;
}

HomePage* makeHomePage(const HomeModels& models, const models::Clock& clock) {
  auto* page = new HomePage(homeSnapshot(models, clock.now()));
  const auto refresh = [page, models, clock] { page->setHome(homeSnapshot(models, clock.now())); };
  QObject::connect(models.smartScan.get(), &models::FeatureModel::changed, page, refresh);
  QObject::connect(models.permissions.get(), &models::FeatureModel::changed, page, refresh);
  QObject::connect(models.theme.get(), &design::ThemeEngine::paletteChanged, page, refresh);
  QObject::connect(models.settings.get(), &models::SettingsStore::valueChanged, page,
                   [refresh](const QString& key) {
                     if (key == models::SettingsStore::totalFreedBytesKey ||
                         key == models::SettingsStore::lastCleanupAtKey)
                       refresh();
                   });

  using models::PermissionsModel;
  QObject::connect(page, &HomePage::scanClicked, page,
                   modelCall(models.smartScan, [](Controller& c) { c.start(); }));
  QObject::connect(
      page, &HomePage::openSettingsClicked, page,
      modelCall(models.permissions, [](PermissionsModel& p) { p.openFullDiskAccessSettings(); }));
  QObject::connect(page, &HomePage::revealAppClicked, page,
                   modelCall(models.permissions, [](PermissionsModel& p) { p.revealAppInFinder(); }));
  return page;
}

SmartScanPage* makeSmartScanPage(const std::shared_ptr<Controller>& controller, const models::Clock& clock) {
  auto* page = new SmartScanPage(smartScanSnapshot(*controller, clock.now()));
  QObject::connect(controller.get(), &models::FeatureModel::changed, page,
                   [page, controller, clock] { page->setScan(smartScanSnapshot(*controller, clock.now())); });
  // "Stop": the controller abandons the run and finishes; the done block's
  // entrance is the page's part of the change.
  QObject::connect(page, &SmartScanPage::stopClicked, page, modelCall(controller, [](Controller& c) {
                     if (c.isRunning()) c.requestStop();
                   }));
  // "Home": the controller back to idle, once the run is over.
  QObject::connect(page, &SmartScanPage::homeClicked, page, modelCall(controller, [](Controller& c) {
                     if (!c.isRunning()) c.reset();
                   }));
  return page;
}

HomeView::HomeView(HomeModels models, models::Clock clock, QWidget* parent)
    : PageHost(parent), models_(std::move(models)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("homeView"));
  connect(models_.smartScan.get(), &Controller::phaseChanged, this, &HomeView::showPage);
  showPage();
}

void HomeView::showPage() {
  const HomeViewPage shown = homeViewPageOf(models_.smartScan->phase());
  const QWidget* before = page();
  setPageFor(int(shown), [&]() -> QWidget* {
    if (shown == HomeViewPage::smartScan) {
      auto* scan = makeSmartScanPage(models_.smartScan, clock_);
      connect(scan, &SmartScanPage::toolRequested, this, &HomeView::toolRequested);
      return scan;
    }
    auto* home = makeHomePage(models_, clock_);
    connect(home, &HomePage::toolRequested, this, &HomeView::toolRequested);
    return home;
  });
  if (before && page() != before)
    Entrance::play(page(), shown == HomeViewPage::smartScan ? kSmartScanChangeSeconds : kHomeReturnSeconds);
}

}  // namespace tidewell::screens
