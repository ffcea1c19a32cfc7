#include "screens/common/layout/HairlineRule.h"

#include <QPainter>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/Color.h"

namespace tidewell::screens {

HairlineRule::HairlineRule(Qt::Orientation orientation, int length, QWidget* parent) : QWidget(parent) {
  design::setHiddenFromAccessibility(this);
  if (orientation == Qt::Vertical) {
    setFixedWidth(1);
    if (length > 0) setFixedHeight(length);
    setSizePolicy(QSizePolicy::Fixed, length > 0 ? QSizePolicy::Fixed : QSizePolicy::Expanding);
  } else {
    setFixedHeight(1);
    if (length > 0) setFixedWidth(length);
    setSizePolicy(length > 0 ? QSizePolicy::Fixed : QSizePolicy::Expanding, QSizePolicy::Fixed);
  }
}

void HairlineRule::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), design::Color::hairline());
}

}  // namespace tidewell::screens
