#include "screens/performance/PerformanceListPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "design/components/GhostPillButton.h"
#include "design/components/ScreenHeader.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SegmentedControl.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/performance/MemoryPanel.h"
#include "screens/performance/StartupPanel.h"

namespace tidewell::screens {

namespace {

BannerLook bannerLook() {
  BannerLook look;
  look.card = {14, 12, std::nullopt, false, false};
  look.message = textLook(12, design::FontWeight::Regular, design::Color::white(0.9)).lines(0);
  return look;
}

}  // namespace

PerformanceListPage::PerformanceListPage(std::shared_ptr<AppIconProvider> icons, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("performanceList"));
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->setSpacing(0);

  auto* headRow = new QHBoxLayout;
  headRow->setContentsMargins(28, 24, 28, 14);
  headRow->setSpacing(12);
  header_ = named(new design::ScreenHeader(QStringLiteral("Performance"), QString()), "header");
  headRow->addWidget(header_, 1, Qt::AlignVCenter);
  headRow->addSpacing(12 + headRow->spacing());
  picker_ = named(new SegmentedControl(performancePanelTitles(), 0), "panelPicker");
  picker_->setAccessibleName(QStringLiteral("Panel"));
  headRow->addWidget(picker_, 0, Qt::AlignVCenter);
  auto* rescan = named(new design::GhostPillButton({QStringLiteral("Rescan"), std::nullopt}), "rescanButton");
  headRow->addWidget(rescan, 0, Qt::AlignVCenter);
  page->addLayout(headRow);

  banner_ = new MessageBanner(bannerLook(), {28, 0, 28, 10});
  page->addWidget(banner_);

  auto* scroll = named(new ScrollColumn, "panelScroll");
  scroll->column()->setContentsMargins(28, 0, 28, 18);
  memory_ = new MemoryPanel(std::move(icons));
  startup_ = new StartupPanel;
  connect(memory_, &MemoryPanel::quitRequested, this, &PerformanceListPage::quitRequested);
  connect(startup_, &StartupPanel::revealRequested, this, &PerformanceListPage::revealRequested);
  connect(startup_, &StartupPanel::openSettingsClicked, this, &PerformanceListPage::openSettingsClicked);
  scroll->column()->addWidget(memory_);
  scroll->column()->addWidget(startup_);
  scroll->column()->addStretch(1);
  page->addWidget(scroll, 1);

  connect(picker_, &SegmentedControl::currentChanged, this, [this](int index) {
    setPanel(kPerformancePanels[std::clamp(index, 0, int(std::size(kPerformancePanels)) - 1)]);
  });
  connect(rescan, &QAbstractButton::clicked, this, &PerformanceListPage::rescanClicked);
  connect(banner_, &MessageBanner::dismissed, this, &PerformanceListPage::messageDismissed);
  setPanel(PerformancePanel::memory);
}

void PerformanceListPage::setPanel(PerformancePanel panel) {
  panel_ = panel;
  picker_->setCurrentIndex(panel == PerformancePanel::memory ? 0 : 1);
  memory_->setVisible(panel == PerformancePanel::memory);
  startup_->setVisible(panel == PerformancePanel::login);
}

void PerformanceListPage::setMemory(const MemoryPanelValues& values) {
  header_->setSubtitle(memorySubtitle(values.memoryUsed, values.memoryTotal));
  memory_->setValues(values);
}

void PerformanceListPage::setLoginItems(const std::vector<engine::LoginItem>& items) {
  startup_->setItems(items);
}

void PerformanceListPage::setMessage(const std::optional<QString>& message) { banner_->setMessage(message); }

}  // namespace tidewell::screens
