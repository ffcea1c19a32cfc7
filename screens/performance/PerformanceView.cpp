#include "screens/performance/PerformanceView.h"

#include <QVBoxLayout>

#include "design/components/ScreenHeader.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/ScanIntro.h"
#include "screens/common/views/ScanningPulse.h"
#include "screens/performance/PerformanceListPage.h"

namespace tidewell::screens {

using namespace design::literals;
using Model = models::PerformanceViewModel;

namespace {

QWidget* scanningPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(20);
  column->addWidget(named(new design::ScreenHeader(QStringLiteral("Performance"),
                                                   QStringLiteral("Reading memory and startup items")),
                          "header"));
  column->addStretch(1);
  column->addWidget(
      new ScanningPulse("speedometer"_symbol, QStringLiteral("Checking what's running…"),
                        textLook(17, design::FontWeight::Bold, Qt::white, design::FontDesign::Rounded), 14));
  column->addStretch(1);
  return page;
}

}  // namespace

PerformanceView::PerformanceView(std::shared_ptr<Model> model, ScreenServices services,
                                 QString loginItemsFolder, QWidget* parent)
    : PageHost(parent),
      model_(std::move(model)),
      services_(std::move(services)),
      loginItemsFolder_(std::move(loginItemsFolder)) {
  setObjectName(QStringLiteral("performanceView"));
  connect(model_.get(), &Model::phaseChanged, this, &PerformanceView::showPhase);
  showPhase();
}

PerformancePage performancePageOf(Model::Phase phase) {
  switch (phase) {
    case Model::Phase::idle:
      return PerformancePage::start;
    case Model::Phase::scanning:
      return PerformancePage::scanning;
    case Model::Phase::list:
      break;
  }
  return PerformancePage::list;
}

void PerformanceView::showPhase() {
  const PerformancePage page = performancePageOf(model_->phase());
  setPageFor(int(page), [&] { return makePage(page); });
}

QWidget* PerformanceView::makePage(PerformancePage page) {
  switch (page) {
    case PerformancePage::start: {
      auto* intro =
          named(new ScanIntro({"speedometer"_symbol, QStringLiteral("Check Performance"),
                               QStringLiteral("See what's using memory and what starts at login.")}),
                "performanceIntro");
      connect(intro, &ScanIntro::scanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
      return intro;
    }
    case PerformancePage::scanning:
      return named(scanningPage(), "performanceScanning");
    case PerformancePage::list:
      break;
  }
  return makeList();
}

PerformanceListPage* PerformanceView::makeList() {
  auto* list = new PerformanceListPage(services_.icons);
  connect(list, &PerformanceListPage::rescanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
  // Runs to its end by itself.
  connect(list, &PerformanceListPage::quitRequested, this,
          modelCall<const engine::RunningApp&>(model_,
                                               [](Model& m, const engine::RunningApp& app) { m.quit(app); }));
  connect(list, &PerformanceListPage::revealRequested, this,
          [revealer = services_.revealer](const engine::LoginItem& item) {
            revealer->reveal(QString::fromStdString(item.plistURL));
          });
  connect(list, &PerformanceListPage::openSettingsClicked, this,
          [revealer = services_.revealer, folder = loginItemsFolder_] { revealer->reveal(folder); });
  connect(list, &PerformanceListPage::messageDismissed, this,
          modelCall(model_, [](Model& m) { m.setLastMessage(std::nullopt); }));

  const auto showMemory = [this, list] {
    list->setMemory({model_->apps(), model_->memoryUsed(), model_->memoryTotal(), model_->memoryFraction(),
                     model_->busyPID()});
  };
  const auto showLoginItems = [this, list] { list->setLoginItems(model_->loginItems()); };
  const auto showMessage = [this, list] { list->setMessage(model_->lastMessage()); };
  for (auto signal :
       {&Model::appsChanged, &Model::memoryUsedChanged, &Model::memoryTotalChanged, &Model::busyPIDChanged})
    connect(model_.get(), signal, list, showMemory);
  connect(model_.get(), &Model::loginItemsChanged, list, showLoginItems);
  connect(model_.get(), &Model::lastMessageChanged, list, showMessage);
  showMemory();
  showLoginItems();
  showMessage();
  return list;
}

}  // namespace tidewell::screens
