#include "screens/common/controls/SmallPillButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::screens {

namespace {
QFont pillFont() { return design::inter(11, design::FontWeight::Medium); }
constexpr double kHorizontalPadding = 9;
constexpr double kVerticalPadding = 5;
constexpr double kPressedOpacity = 0.6;
}  // namespace

void paintSmallPill(QPainter& painter, const QRectF& rect, const QString& title, const QColor& accent,
                    bool pressed) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (pressed) painter.setOpacity(kPressedOpacity);
  painter.fillPath(design::capsule(rect), design::Color::withOpacity(accent, 0.12));
  painter.setFont(pillFont());
  painter.setPen(accent);
  design::drawShapedText(painter, rect, Qt::AlignCenter | Qt::TextSingleLine, title);
  painter.restore();
}

SmallPillButton::SmallPillButton(const QString& title, QWidget* parent) : QAbstractButton(parent) {
  setText(title);
  design::KeyboardFocus::makeFocusable(this, design::FocusRingShape::capsule());
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
}

QSize SmallPillButton::sizeHint() const {
  const QFontMetricsF metrics(pillFont());
  return {int(std::ceil(metrics.horizontalAdvance(text()) + 2 * kHorizontalPadding)),
          int(std::ceil(metrics.height() + 2 * kVerticalPadding))};
}

void SmallPillButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintSmallPill(painter, QRectF(rect()), text(), design::SectionAccent::of(this).primary, isDown());
}

}  // namespace tidewell::screens
