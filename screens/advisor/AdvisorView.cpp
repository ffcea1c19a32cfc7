#include "screens/advisor/AdvisorView.h"

#include <QVBoxLayout>

#include "design/Color.h"
#include "screens/advisor/AdvisorListPage.h"
#include "screens/advisor/AdvisorRules.h"
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
                        textStyle(18, design::FontWeight::Bold, Qt::white, design::FontDesign::Rounded), 18));
  column->addStretch(1);
  return page;
}

}  // namespace

AdvisorView::AdvisorView(std::shared_ptr<Model> model, ScreenServices services, models::Clock clock,
                         QWidget* parent)
    : QWidget(parent), model_(std::move(model)), services_(std::move(services)), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("advisorView"));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->setSpacing(0);
  connect(model_.get(), &Model::phaseChanged, this, &AdvisorView::showPhase);
  showPhase();
}

void AdvisorView::showPhase() {
  const Model::Phase phase = model_->phase();
  if (shownPhase_ == phase) return;
  shownPhase_ = phase;
  if (QWidget* old = page_.data()) {
    // Later: the button that started the scan is on the old page.
    old->hide();
    layout()->removeWidget(old);
    old->deleteLater();
  }
  QWidget* page = nullptr;
  const std::weak_ptr<Model> weak = model_;
  switch (phase) {
    case Model::Phase::idle:
      page = named(
          new ScanIntro("wand.and.stars"_symbol, QStringLiteral("Check My Mac"),
                        QStringLiteral("Pro cleanups with Apple's own tools. No admin, nothing hidden."),
                        [weak] {
                          if (auto model = weak.lock()) model->scan();
                        }),
          "advisorIntro");
      break;
    case Model::Phase::scanning:
      page = named(scanningPage(), "advisorScanning");
      break;
    case Model::Phase::list:
      page = new AdvisorListPage(model_, clock_,
                                 [this](const AdvisorService::SimRuntime& runtime) { askToDelete(runtime); });
      break;
  }
  page_ = page;
  layout()->addWidget(page);
}

void AdvisorView::askToDelete(const AdvisorService::SimRuntime& runtime) {
  // Only one question at a time, and none while another action runs.
  if (question_ || !runtime.deletable || model_->busyAction()) return;
  pending_ = runtime;
  question_ = named(new ConfirmAlert(deleteRuntimeTitle(), deleteRuntimeMessage(runtime),
                                     QStringLiteral("Delete Runtime"), design::Color::systemRed(), this),
                    "deleteRuntimeQuestion");
  const std::weak_ptr<Model> weak = model_;
  // The copy taken when "Delete…" was pressed: a scan while the question
  // is open may replace the list, and the runtime named is the one deleted.
  connect(question_, &ConfirmAlert::confirmed, this, [weak, asked = runtime] {
    if (auto model = weak.lock()) model->deleteRuntime(asked);
  });
  connect(question_, &ConfirmAlert::closed, this, [this] { pending_.reset(); });
  question_->open();
}

}  // namespace tidewell::screens
