#include "screens/common/layout/FooterBar.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>

#include "design/components/GlowCardPaint.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"

namespace tidewell::screens {

FooterBar::FooterBar(QWidget* parent) : QWidget(parent), row_(new QHBoxLayout(this)) {
  row_->setContentsMargins(20, 14, 20, 14);
  row_->setSpacing(16);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  design::ShadowLayer::makeHost(this);
}

void FooterBar::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), design::ultraThinMaterialFill());
  painter.fillRect(QRect(0, 0, width(), 1), design::Color::hairline());
  design::ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::screens
