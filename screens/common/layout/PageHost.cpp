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
  // A page that goes with the keyboard focus (or the host holding it
  // between pages) hands it straight to the next one, before it goes, so
  // a screen reader hears one move and never the host in between.
  const bool carry = design::KeyboardFocus::holdsFocus(this);
  QWidget* old = page_.data();
  page_ = page;
  key_.reset();
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
  } else if (carry) {
    setFocus(Qt::OtherFocusReason);
  }
  if (old) {
    old->hide();
    layout()->removeWidget(old);
    old->deleteLater();
  }
}

void PageHost::setPageFor(int key, const std::function<QWidget*()>& make) {
  if (key_ == key) return;
  setPage(make());
  key_ = key;
}

}  // namespace tidewell::screens
