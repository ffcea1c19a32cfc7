#include "screens/deepscan/DeepScanView.h"

#include <QFile>
#include <QStackedLayout>

#include "screens/common/ObjectNames.h"
#include "screens/deepscan/DeepScanListPage.h"
#include "screens/deepscan/DeepScanScanningPage.h"
#include "screens/deepscan/DeepScanStartPage.h"
#include "screens/deepscan/DeepScanTexts.h"
#include "screens/deepscan/TrashQuestion.h"

namespace tidewell::screens {

using Phase = models::DeepScanViewModel::Phase;

DeepScanView::DeepScanView(std::shared_ptr<models::DeepScanViewModel> model, ScreenServices services,
                           DelayedCall copyDelay, QWidget* parent)
    : QWidget(parent),
      model_(std::move(model)),
      services_(std::move(services)),
      copyDelay_(std::move(copyDelay)) {
  named(this, "deepScanView");
  pages_ = new QStackedLayout(this);
  pages_->setContentsMargins(0, 0, 0, 0);

  auto* m = model_.get();
  connect(m, &models::DeepScanViewModel::phaseChanged, this, &DeepScanView::showPhase);
  connect(m, &models::DeepScanViewModel::scanProgressChanged, this, [this] {
    if (scanning_) scanning_->setProgress(model_->scanProgress());
  });
  connect(m, &models::DeepScanViewModel::itemsChanged, this, &DeepScanView::refreshList);
  connect(m, &models::DeepScanViewModel::lastResultChanged, this, &DeepScanView::refreshList);
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
  connect(question, &ConfirmAlert::confirmed, this, [this, presented = item] { model_->trash(presented); });
  connect(question, &ConfirmAlert::closed, this, [this, question] {
    if (question_ == question) {
      question_ = nullptr;
      pendingTrash_.reset();
    }
  });
  question->open();
}

void DeepScanView::showPhase() {
  // The model announces every write, an unchanged phase included.
  if (pagePhase_ == model_->phase()) return;
  pagePhase_ = model_->phase();
  QWidget* old = page_;
  scanning_ = nullptr;
  list_ = nullptr;
  switch (model_->phase()) {
    case Phase::idle:
      page_ = new DeepScanStartPage([this] { startScan(); }, this);
      break;
    case Phase::scanning:
      page_ = scanning_ = new DeepScanScanningPage(model_->scanProgress(), this);
      break;
    case Phase::list: {
      DeepScanActions actions;
      actions.rescan = [this] { startScan(); };
      actions.pickBucket = [this](RiskBucket bucket) { pickBucket(bucket); };
      actions.reveal = [this](const engine::BigItem& item) { reveal(item); };
      actions.trash = [this](const engine::BigItem& item) { requestTrash(item); };
      actions.dismissResult = [this] { model_->setLastResult(std::nullopt); };
      page_ = list_ = new DeepScanListPage(std::move(actions), services_.clipboard, copyDelay_, this);
      break;
    }
  }
  pages_->addWidget(page_);
  pages_->setCurrentWidget(page_);
  if (old) {
    // Later: the old page may be handling the click that changed the phase.
    pages_->removeWidget(old);
    old->hide();
    old->deleteLater();
  }
  refreshList();
}

void DeepScanView::refreshList() {
  if (!list_) return;
  list_->show({model_->items(), model_->lastResult(), viewingBucket_});
}

}  // namespace tidewell::screens
