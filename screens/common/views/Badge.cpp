#include "screens/common/views/Badge.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/Shapes.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::screens {

namespace {
QFont badgeFont(const BadgeLook& look) { return design::inter(look.fontSize, design::FontWeight::Semibold); }
}  // namespace

QSizeF badgeSize(const QString& text, const BadgeLook& look) {
  const QFontMetricsF metrics(badgeFont(look));
  return {metrics.horizontalAdvance(text) + 2 * look.horizontalPadding,
          metrics.height() + 2 * look.verticalPadding};
}

void paintBadge(QPainter& painter, const QRectF& rect, const QString& text, const BadgeLook& look) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(design::capsule(rect), look.fill);
  painter.setFont(badgeFont(look));
  painter.setPen(look.text);
  design::drawShapedText(painter, rect, Qt::AlignCenter | Qt::TextSingleLine, text);
  painter.restore();
}

Badge::Badge(QString text, BadgeLook look, QWidget* parent)
    : QWidget(parent), text_(std::move(text)), look_(std::move(look)) {
  design::accessibleTraits(this).role = QAccessible::StaticText;
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Badge::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  updateGeometry();
  update();
  design::accessibleNameChanged(this);
}

void Badge::setLook(const BadgeLook& look) {
  if (look == look_) return;
  look_ = look;
  updateGeometry();
  update();
}

QSize Badge::sizeHint() const {
  const QSizeF size = badgeSize(text_, look_);
  return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
}

void Badge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintBadge(painter, QRectF(rect()), text_, look_);
}

}  // namespace tidewell::screens
