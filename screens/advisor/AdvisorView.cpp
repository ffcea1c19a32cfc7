#include "screens/advisor/AdvisorView.h"

#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "screens/advisor/AdvisorListPage.h"
#include "screens/advisor/AdvisorRules.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/ConfirmAlert.h"
#include "screens/common/views/ScanIntro.h"
#include "screens/common/views/ScanningPulse.h"

namespace tidewell::screens {

using namespace design::literals;
using engine::AdvisorService;
using Model = models::AdvisorViewModel;

namespace {

QWidget* scanningPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(28, 28, 28, 28);
  column->addStretch(1);
  column->addWidget(
      new ScanningPulse("wand.and.stars"_symbol, QStringLiteral("Checking simulators, snapshots, Docker…"),
                        textLook(18, design::FontWeight::Bold, Qt::white, design::FontDesign::Rounded), 18));
  column->addStretch(1);
  return page;
}

}  // namespace

AdvisorView::AdvisorView(std::shared_ptr<Model> model, ScreenServices services, models::Clock clock,
                         QWidget* parent)
    : PageHost(parent), model_(std::move(model)), services_(std::move(services)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("advisorView"));
  connect(model_.get(), &Model::phaseChanged, this, &AdvisorView::showPhase);
  showPhase();
}

AdvisorPage advisorPageOf(Model::Phase phase) {
  switch (phase) {
    case Model::Phase::idle:
      return AdvisorPage::start;
    case Model::Phase::scanning:
      return AdvisorPage::scanning;
    case Model::Phase::list:
      break;
  }
  return AdvisorPage::list;
}

void AdvisorView::showPhase() {
  const AdvisorPage page = advisorPageOf(model_->phase());
  setPageFor(int(page), [&] { return makePage(page); });
}

QWidget* AdvisorView::makePage(AdvisorPage page) {
  switch (page) {
    case AdvisorPage::start: {
      auto* intro = named(
          new ScanIntro({"wand.and.stars"_symbol, QStringLiteral("Check My Mac"),
                         QStringLiteral("Pro cleanups with Apple's own tools. No admin, nothing hidden.")}),
          "advisorIntro");
      connect(intro, &ScanIntro::scanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
      return intro;
    }
    case AdvisorPage::scanning:
      return named(scanningPage(), "advisorScanning");
    case AdvisorPage::list:
      break;
  }
  return makeList();
}

AdvisorListPage* AdvisorView::makeList() {
  auto* list = new AdvisorListPage;
  const auto showFindings = [this, list] {
    list->setFindings(AdvisorFindingsSnapshot::of(*model_), model_->busyAction(), clock_.now());
  };
  const auto showMessage = [this, list] { list->setMessage(model_->lastMessage()); };
  connect(model_.get(), &Model::findingsChanged, list, showFindings);
  connect(model_.get(), &Model::busyActionChanged, list, showFindings);
  connect(model_.get(), &Model::lastMessageChanged, list, showMessage);
  connect(list, &AdvisorListPage::rescanClicked, this, modelCall(model_, [](Model& m) { m.scan(); }));
  connect(list, &AdvisorListPage::deleteRequested, this, &AdvisorView::askToDelete);
  connect(list, &AdvisorListPage::removeUnavailableRequested, this,
          modelCall(model_, [](Model& m) { m.removeUnavailable(); }));
  connect(list, &AdvisorListPage::thinSnapshotsRequested, this,
          modelCall(model_, [](Model& m) { m.thinSnapshots(); }));
  connect(list, &AdvisorListPage::messageDismissed, this,
          modelCall(model_, [](Model& m) { m.setLastMessage(std::nullopt); }));
  showFindings();
  showMessage();
  return list;
}

void AdvisorView::askToDelete(const AdvisorService::SimRuntime& runtime) {
  // Only one question at a time, and none while another action runs.
  if (question_ || !runtime.deletable || model_->busyAction()) return;
  pending_ = runtime;
  question_ = named(new ConfirmAlert(deleteRuntimeTitle(), deleteRuntimeMessage(runtime),
                                     QStringLiteral("Delete Runtime"), design::Color::systemRed(), this),
                    "deleteRuntimeQuestion");
  // The copy taken when "Delete…" was pressed: a scan while the question
  // is open may replace the list, and the runtime named is the one deleted.
  connect(question_, &ConfirmAlert::confirmed, this,
          modelCall(model_, [asked = runtime](Model& m) { m.deleteRuntime(asked); }));
  connect(question_, &ConfirmAlert::closed, this, [this] { pending_.reset(); });
  question_->open();
}

}  // namespace tidewell::screens
