#include "screens/clean/CleanedPage.h"

#include <QStackedLayout>

#include "screens/clean/result/CleaningPanel.h"
#include "screens/clean/result/ResultPanel.h"

namespace tidewell::screens {

namespace {
bool sameOutcome(const CleanedSnapshot& a, const CleanedSnapshot& b) {
  return a.freedBytes == b.freedBytes && a.failedTitles == b.failedTitles &&
         a.freeSpaceBefore == b.freeSpaceBefore && a.freeSpaceAfter == b.freeSpaceAfter;
}
}  // namespace

CleanedPage::CleanedPage(const CleanedSnapshot& outcome, bool idle, QWidget* parent)
    : QWidget(parent),
      pages_(new QStackedLayout(this)),
      cleaning_(new CleaningPanel),
      outcome_(outcome),
      idle_(idle) {
  setObjectName(QStringLiteral("cleanedPage"));
  pages_->addWidget(cleaning_);
  refresh();
}

void CleanedPage::setOutcome(const CleanedSnapshot& outcome, bool idle) {
  outcome_ = outcome;
  idle_ = idle;
  if (refreshPending_) return;
  refreshPending_ = true;
  QMetaObject::invokeMethod(this, &CleanedPage::refresh, Qt::QueuedConnection);
}

void CleanedPage::refresh() {
  refreshPending_ = false;
  const CleanedSnapshot outcome = outcome_;
  const CleanedContent content = cleanedContent(outcome);
  if (content.showsCleaning) {
    cleaning_->showProgress(outcome.cleanProgress, content.percent);
    pages_->setCurrentWidget(cleaning_);
    return;
  }
  // Back at idle the Clean screen is about to replace the page: the result
  // stays as it was rather than showing the emptied fields.
  const bool stale = !shown_ || !sameOutcome(*shown_, outcome);
  if (!result_ || (stale && !idle_)) {
    auto* next = new ResultPanel(content, outcome.freedBytes);
    connect(next, &ResultPanel::doneClicked, this, &CleanedPage::doneClicked);
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
