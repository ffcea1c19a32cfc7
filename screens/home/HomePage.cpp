#include "screens/home/HomePage.h"

#include <QVBoxLayout>

#include "screens/common/layout/ScrollColumn.h"
#include "screens/home/AccessBanner.h"
#include "screens/home/HeroCard.h"
#include "screens/home/HomeHeader.h"
#include "screens/home/HomeRules.h"
#include "screens/home/ReminderCard.h"
#include "screens/home/ToolGrid.h"

namespace tidewell::screens {

HomePage::HomePage(const HomeSnapshot& home, QWidget* parent)
    : QWidget(parent),
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

  connect(header_, &HomeHeader::scanClicked, this, &HomePage::scanClicked);
  connect(banner_, &AccessBanner::openSettingsClicked, this, &HomePage::openSettingsClicked);
  connect(banner_, &AccessBanner::revealAppClicked, this, &HomePage::revealAppClicked);
  connect(grid_, &ToolGrid::tapped, this, &HomePage::toolRequested);
  setHome(home);
}

void HomePage::setHome(const HomeSnapshot& home) {
  header_->setHealth(home.health);
  hero_->setHome(home);
  banner_->setVisible(showsAccessBanner(home));
  grid_->setHome(home);
  reminder_->setTexts(lastCleanupText(home.lastCleanupAt, home.now),
                      scanReminderText(home.lastCleanupAt, home.now));
}

}  // namespace tidewell::screens
