#include "screens/common/layout/PageHost.h"

#include <QVBoxLayout>

#include "design/keyboard/KeyboardFocus.h"
#include "screens/common/ScreensLog.h"

namespace tidewell::screens {

PageHost::PageHost(QWidget* parent) : QWidget(parent) {
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->setSpacing(0);
  design::KeyboardFocus::keepFocusNear(this);
}

bool PageHost::focusNextPrevChild(bool next) {
  if (design::KeyboardFocus::handsOverFocus(this)) return true;
  return QWidget::focusNextPrevChild(next);
}

void PageHost::setPage(QWidget* page) {
  const bool carry = retirePage();
  placePage(page, carry);
}

void PageHost::setPageFor(int key, const std::function<QWidget*()>& make) {
  if (key_ == key) return;
  // The page before goes first: the new one is made with the old one
  // already off screen.
  const bool carry = retirePage();
  placePage(make(), carry);
  key_ = key;
}

bool PageHost::retirePage() {
  // A page that goes with the keyboard focus (or the host holding it
  // between pages) hands it to the next one.
  const bool carry = design::KeyboardFocus::holdsFocus(this);
  if (carry) setFocus(Qt::OtherFocusReason);
  if (QWidget* old = page_.data()) {
    old->hide();
    layout()->removeWidget(old);
    old->deleteLater();
  }
  page_ = nullptr;
  key_.reset();
  return carry;
}

void PageHost::placePage(QWidget* page, bool carry) {
  page_ = page;
  qCDebug(lcScreens).noquote() << "page:" << objectName() << "shows"
                               << (page ? page->objectName() : QString());
  if (page) {
    layout()->addWidget(page);
    // On screen at once, not at the next turn of the event loop: whatever
    // looks at the screen before then sees the new page, never an empty host.
    if (isVisible()) page->show();
  }
  if (carry && page) {
    page->show();
    design::KeyboardFocus::focusFirst(page);
  }
}

}  // namespace tidewell::screens
