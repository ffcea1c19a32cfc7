#include "screens/deepscan/DeepScanView.h"

#include <QFile>

#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/ScanProgress.h"
#include "screens/common/views/ScanIntro.h"
#include "screens/deepscan/DeepScanListPage.h"
#include "screens/deepscan/DeepScanRules.h"
#include "screens/deepscan/DeepScanScanningPage.h"
#include "screens/deepscan/TrashQuestion.h"

namespace tidewell::screens {

using namespace design::literals;
using Model = models::DeepScanViewModel;
using Phase = Model::Phase;

DeepScanView::DeepScanView(std::shared_ptr<Model> model, ScreenServices services, DelayedCall copyDelay,
                           QWidget* parent)
    : PageHost(parent),
      model_(std::move(model)),
      services_(std::move(services)),
      copyDelay_(std::move(copyDelay)) {
  named(this, "deepScanView");
  auto* m = model_.get();
  connect(m, &Model::phaseChanged, this, &DeepScanView::showPhase);
  connect(m, &Model::itemsChanged, this, &DeepScanView::refreshList);
  connect(m, &Model::lastResultChanged, this, &DeepScanView::refreshList);
  showPhase();
}

TrashQuestion* DeepScanView::trashQuestion() const { return question_.data(); }

void DeepScanView::startScan() {
  // The task runs to its end by itself; the page follows the phase.
  model_->scan();
}

void DeepScanView::pickBucket(RiskBucket bucket) {
  viewingBucket_ = bucket;
  refreshList();
}

void DeepScanView::reveal(const engine::BigItem& item) {
  if (services_.revealer) services_.revealer->reveal(QFile::decodeName(QByteArray::fromStdString(item.url)));
}

void DeepScanView::requestTrash(const engine::BigItem& item) {
  if (needsTrashConfirmation(item.kind)) {
    askToTrash(item);
    return;
  }
  model_->trash(item);
}

void DeepScanView::askToTrash(const engine::BigItem& item) {
  // One question at a time: a new request replaces an unanswered one.
  if (question_) question_->reject();
  pendingTrash_ = item;
  auto* question = new TrashQuestion(item, this);
  question_ = question;
  connect(question, &ConfirmAlert::confirmed, this,
          modelCall(model_, [presented = item](Model& m) { m.trash(presented); }));
  connect(question, &ConfirmAlert::closed, this, [this, question] {
    if (question_ == question) {
      question_ = nullptr;
      pendingTrash_.reset();
    }
  });
  question->open();
}

DeepScanPage deepScanPageOf(Phase phase) {
  switch (phase) {
    case Phase::idle:
      return DeepScanPage::start;
    case Phase::scanning:
      return DeepScanPage::scanning;
    case Phase::list:
      break;
  }
  return DeepScanPage::list;
}

void DeepScanView::showPhase() {
  const DeepScanPage page = deepScanPageOf(model_->phase());
  // The model announces every write, an unchanged phase included.
  setPageFor(int(page), [&] { return makePage(page); });
  refreshList();
}

QWidget* DeepScanView::makePage(DeepScanPage page) {
  const auto scan = modelCall(model_, [](Model& m) { m.scan(); });
  switch (page) {
    case DeepScanPage::start: {
      auto* start = named(
          new ScanIntro({"scope"_symbol, QStringLiteral("Deep Scan"),
                         QStringLiteral("Finds what's actually big. Green is safe, red is your stuff.")}),
          "deepScanStart");
      connect(start, &ScanIntro::scanClicked, this, scan);
      return start;
    }
    case DeepScanPage::scanning:
      return followScanProgress(new DeepScanScanningPage(model_->scanProgress()), model_);
    case DeepScanPage::list:
      break;
  }
  auto* list = new DeepScanListPage(services_.clipboard, copyDelay_);
  connect(list, &DeepScanListPage::rescanClicked, this, scan);
  connect(list, &DeepScanListPage::bucketPicked, this, &DeepScanView::pickBucket);
  connect(list, &DeepScanListPage::revealRequested, this, &DeepScanView::reveal);
  connect(list, &DeepScanListPage::trashRequested, this, &DeepScanView::requestTrash);
  connect(list, &DeepScanListPage::resultDismissed, this,
          modelCall(model_, [](Model& m) { m.setLastResult(std::nullopt); }));
  return list;
}

void DeepScanView::refreshList() {
  // The list's values hold what the user picked here, so the screen hands
  // them over whenever the model or the pick changes.
  if (auto* list = qobject_cast<DeepScanListPage*>(page()))
    list->setValues({model_->items(), model_->lastResult(), viewingBucket_});
}

}  // namespace tidewell::screens
