#include "screens/clean/CleanedPage.h"

#include <QStackedLayout>

#include "models/clean/CleanupViewModel.h"
#include "screens/clean/result/CleaningPanel.h"
#include "screens/clean/result/ResultPanel.h"
#include "screens/common/ModelCall.h"

namespace tidewell::screens {

using models::CleanupViewModel;

namespace {
bool sameOutcome(const CleanedSnapshot& a, const CleanedSnapshot& b) {
  return a.freedBytes == b.freedBytes && a.failedTitles == b.failedTitles &&
         a.freeSpaceBefore == b.freeSpaceBefore && a.freeSpaceAfter == b.freeSpaceAfter;
}
}  // namespace

CleanedPage::CleanedPage(std::shared_ptr<CleanupViewModel> model, QWidget* parent)
    : QWidget(parent),
      model_(std::move(model)),
      pages_(new QStackedLayout(this)),
      cleaning_(new CleaningPanel) {
  setObjectName(QStringLiteral("cleanedPage"));
  pages_->addWidget(cleaning_);
  connect(model_.get(), &CleanupViewModel::changed, this, &CleanedPage::scheduleRefresh);
  refresh();
}

CleanedSnapshot CleanedPage::snapshot() const {
  return {model_->phase() == CleanupViewModel::Phase::cleaning,
          model_->cleanProgress(),
          model_->freedBytes(),
          model_->failedTitles(),
          model_->freeSpaceBefore(),
          model_->freeSpaceAfter()};
}

void CleanedPage::scheduleRefresh() {
  if (refreshPending_) return;
  refreshPending_ = true;
  QMetaObject::invokeMethod(this, &CleanedPage::refresh, Qt::QueuedConnection);
}

void CleanedPage::refresh() {
  refreshPending_ = false;
  const CleanedSnapshot outcome = snapshot();
  const CleanedTexts texts = cleanedTexts(outcome);
  if (texts.showsCleaning) {
    cleaning_->showProgress(outcome.cleanProgress, texts.percent);
    pages_->setCurrentWidget(cleaning_);
    return;
  }
  // Back at idle the Clean screen is about to replace the page: the result
  // stays as it was rather than showing the emptied fields.
  const bool stale = !shown_ || !sameOutcome(*shown_, outcome);
  if (!result_ || (stale && model_->phase() != CleanupViewModel::Phase::idle)) {
    auto* next =
        new ResultPanel(texts, outcome.freedBytes, modelCall(model_, [](CleanupViewModel& m) { m.reset(); }));
    pages_->addWidget(next);
    if (result_) {
      pages_->removeWidget(result_);
      result_->hide();
      result_->deleteLater();
    }
    result_ = next;
    shown_ = outcome;
  }
  pages_->setCurrentWidget(result_);
}

}  // namespace tidewell::screens
