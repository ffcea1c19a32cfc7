#include "screens/common/layout/WidthCap.h"

#include <QEvent>
#include <QLayout>
#include <algorithm>

namespace tidewell::screens {

WidthCap::WidthCap(QWidget* child, int maximumWidth, Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent), child_(child), maximumWidth_(std::max(1, maximumWidth)), alignment_(alignment) {
  child_->setParent(this);
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

int WidthCap::childWidth(int width) const {
  return std::clamp(width, child_->minimumSizeHint().width(), maximumWidth_);
}

int WidthCap::childHeight(int width) const {
  const int w = childWidth(width);
  if (QLayout* layout = child_->layout(); layout && layout->hasHeightForWidth())
    return layout->totalHeightForWidth(w);
  if (child_->hasHeightForWidth()) return child_->heightForWidth(w);
  return child_->sizeHint().height();
}

QSize WidthCap::sizeHint() const {
  const int w = std::min(child_->sizeHint().width(), maximumWidth_);
  return {w, childHeight(w)};
}

QSize WidthCap::minimumSizeHint() const {
  // The height follows the width given (height for width); the least it
  // can be is the height at the full capped width.
  return {std::min(child_->minimumSizeHint().width(), maximumWidth_), childHeight(maximumWidth_)};
}

int WidthCap::heightForWidth(int width) const { return childHeight(width); }

void WidthCap::place() {
  const int w = std::min(childWidth(width()), width());
  const int x = (alignment_ & Qt::AlignHCenter) ? (width() - w) / 2 : 0;
  child_->setGeometry(x, 0, w, childHeight(w));
}

void WidthCap::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  place();
}

bool WidthCap::event(QEvent* event) {
  // The child's content changed its size: ask the layout above again.
  if (event->type() == QEvent::LayoutRequest) {
    updateGeometry();
    place();
  }
  return QWidget::event(event);
}

}  // namespace tidewell::screens
