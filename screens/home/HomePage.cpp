#include "screens/home/HomePage.h"

#include <QVBoxLayout>

#include "screens/common/ModelCall.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/home/AccessBanner.h"
#include "screens/home/HeroCard.h"
#include "screens/home/HomeHeader.h"
#include "screens/home/HomeRules.h"
#include "screens/home/ReminderCard.h"
#include "screens/home/ToolGrid.h"

namespace tidewell::screens {

HomePage::HomePage(HomeModels models, ShowTool showTool, models::Clock clock, QWidget* parent)
    : QWidget(parent),
      models_(std::move(models)),
      showTool_(std::move(showTool)),
      clock_(std::move(clock)),
      header_(new HomeHeader),
      hero_(new HeroCard),
      banner_(new AccessBanner),
      grid_(new ToolGrid),
      reminder_(new ReminderCard) {
  setObjectName(QStringLiteral("homePage"));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new ScrollColumn;
  fill->addWidget(scroll);
  QVBoxLayout* column = scroll->column();
  column->setContentsMargins(26, 26, 26, 26);
  column->setSpacing(18);
  column->addWidget(header_);
  column->addWidget(hero_);
  column->addWidget(banner_);
  column->addWidget(grid_);
  column->addWidget(reminder_);
  column->addStretch(1);

  using models::PermissionsModel;
  using models::SmartScanController;
  connect(header_, &HomeHeader::scanClicked, this,
          modelCall(models_.smartScan, [](SmartScanController& c) { c.start(); }));
  connect(banner_, &AccessBanner::openSettingsClicked, this,
          modelCall(models_.permissions, [](PermissionsModel& p) { p.openFullDiskAccessSettings(); }));
  connect(banner_, &AccessBanner::revealAppClicked, this,
          modelCall(models_.permissions, [](PermissionsModel& p) { p.revealAppInFinder(); }));
  connect(grid_, &ToolGrid::tapped, this, [this](ScanTool tool) {
    if (showTool_) showTool_(tool);
  });

  connect(models_.smartScan.get(), &models::FeatureModel::changed, this, &HomePage::refresh);
  connect(models_.permissions.get(), &models::FeatureModel::changed, this, &HomePage::refresh);
  connect(models_.theme.get(), &design::ThemeEngine::paletteChanged, this, &HomePage::refresh);
  connect(models_.settings.get(), &models::SettingsStore::valueChanged, this, [this](const QString& key) {
    if (key == models::SettingsStore::totalFreedBytesKey || key == models::SettingsStore::lastCleanupAtKey)
      refresh();
  });
  refresh();
}

HomeSnapshot HomePage::snapshot() const { return homeSnapshot(models_, clock_.now()); }

void HomePage::refresh() {
  const HomeSnapshot home = snapshot();
  header_->setHealth(home.health);
  hero_->setHome(home);
  banner_->setVisible(showsAccessBanner(home));
  grid_->setHome(home);
  reminder_->setTexts(lastCleanupText(home.lastCleanupAt, home.now),
                      scanReminderText(home.lastCleanupAt, home.now));
}

}  // namespace tidewell::screens
