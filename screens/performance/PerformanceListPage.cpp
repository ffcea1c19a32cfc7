#include "screens/performance/PerformanceListPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "design/components/GhostPillButton.h"
#include "design/components/ScreenHeader.h"
#include "design/theme/Color.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SegmentedControl.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/performance/MemoryPanel.h"
#include "screens/performance/StartupPanel.h"

namespace tidewell::screens {

using Model = models::PerformanceViewModel;

namespace {

BannerLook bannerLook() {
  BannerLook look;
  look.card = {14, 12, std::nullopt, false, false};
  look.message = textStyle(12, design::FontWeight::Regular, design::Color::white(0.9)).lines(0);
  return look;
}

}  // namespace

PerformanceListPage::PerformanceListPage(std::shared_ptr<Model> model, ScreenServices services,
                                         QString loginItemsFolder, QWidget* parent)
    : QWidget(parent),
      model_(std::move(model)),
      services_(std::move(services)),
      loginItemsFolder_(std::move(loginItemsFolder)) {
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
  memory_ = new MemoryPanel(services_.icons);
  startup_ = new StartupPanel;
  // Runs to its end by itself.
  connect(memory_, &MemoryPanel::quitRequested, this,
          modelCall<const engine::RunningApp&>(model_,
                                               [](Model& m, const engine::RunningApp& app) { m.quit(app); }));
  connect(startup_, &StartupPanel::revealRequested, this,
          [revealer = services_.revealer](const engine::LoginItem& item) {
            revealer->reveal(QString::fromStdString(item.plistURL));
          });
  connect(startup_, &StartupPanel::openSettingsClicked, this,
          [revealer = services_.revealer, folder = loginItemsFolder_] { revealer->reveal(folder); });
  scroll->column()->addWidget(memory_);
  scroll->column()->addWidget(startup_);
  scroll->column()->addStretch(1);
  page->addWidget(scroll, 1);

  connect(picker_, &SegmentedControl::currentChanged, this, [this](int index) {
    setPanel(kPerformancePanels[std::clamp(index, 0, int(std::size(kPerformancePanels)) - 1)]);
  });
  connect(rescan, &QAbstractButton::clicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
  for (auto signal :
       {&Model::appsChanged, &Model::memoryUsedChanged, &Model::memoryTotalChanged, &Model::busyPIDChanged})
    connect(model_.get(), signal, this, &PerformanceListPage::showMemory);
  connect(model_.get(), &Model::loginItemsChanged, this,
          [this] { startup_->setItems(model_->loginItems()); });
  connect(model_.get(), &Model::lastMessageChanged, this,
          [this] { banner_->setMessage(model_->lastMessage()); });
  connect(banner_, &MessageBanner::dismissed, this,
          modelCall(model_, [](Model& m) { m.setLastMessage(std::nullopt); }));

  showMemory();
  startup_->setItems(model_->loginItems());
  banner_->setMessage(model_->lastMessage());
  setPanel(PerformancePanel::memory);
}

void PerformanceListPage::setPanel(PerformancePanel panel) {
  panel_ = panel;
  picker_->setCurrentIndex(panel == PerformancePanel::memory ? 0 : 1);
  memory_->setVisible(panel == PerformancePanel::memory);
  startup_->setVisible(panel == PerformancePanel::login);
}

void PerformanceListPage::showMemory() {
  header_->setSubtitle(memorySubtitle(model_->memoryUsed(), model_->memoryTotal()));
  memory_->setValues({model_->apps(), model_->memoryUsed(), model_->memoryTotal(), model_->memoryFraction(),
                      model_->busyPID()});
}

}  // namespace tidewell::screens
