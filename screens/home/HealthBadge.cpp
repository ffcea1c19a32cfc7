#include "screens/home/HealthBadge.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::screens {

namespace {
constexpr double kDot = 7;
constexpr double kSpacing = 7;
constexpr double kHorizontalPadding = 12;
constexpr double kVerticalPadding = 8;
QFont labelFont() { return design::inter(12, design::FontWeight::Semibold); }
}  // namespace

HealthBadge::HealthBadge(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("healthBadge"));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  design::accessibleTraits(this).role = QAccessible::StaticText;
}

void HealthBadge::setHealth(const QString& label, const QColor& colour) {
  if (label == label_ && colour == colour_) return;
  label_ = label;
  colour_ = colour;
  updateGeometry();
  update();
}

QSize HealthBadge::sizeHint() const {
  const QFontMetricsF metrics(labelFont());
  const double width = 2 * kHorizontalPadding + kDot + kSpacing + metrics.horizontalAdvance(label_);
  const double height = 2 * kVerticalPadding + std::max(kDot, metrics.height());
  return {int(std::ceil(width)), int(std::ceil(height))};
}

void HealthBadge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  painter.fillPath(design::capsule(r), design::Color::raisedSurface());
  design::strokeInside(painter, r, r.height() / 2, 1, design::Color::hairline());
  const QPointF centre(kHorizontalPadding + kDot / 2, r.center().y());
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour_);
  painter.drawEllipse(centre, kDot / 2, kDot / 2);
  painter.setFont(labelFont());
  painter.setPen(Qt::white);
  const double x = kHorizontalPadding + kDot + kSpacing;
  design::drawShapedText(painter, QRectF(x, 0, r.width() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         label_);
}

}  // namespace tidewell::screens
