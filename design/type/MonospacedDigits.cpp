#include "design/type/MonospacedDigits.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "design/type/ShapedText.h"

namespace tidewell::design {

namespace {
double digitCell(const QFontMetricsF& metrics) {
  double widest = 0;
  for (QChar c = u'0'; c <= u'9'; c = QChar(c.unicode() + 1))
    widest = std::max(widest, metrics.horizontalAdvance(c));
  return widest;
}

double widthWith(const QFontMetricsF& metrics, const QString& text) {
  const double cell = digitCell(metrics);
  double width = 0;
  for (const QChar c : text) width += c.isDigit() ? cell : metrics.horizontalAdvance(c);
  return width;
}
}  // namespace

double monospacedDigitsWidth(const QFont& font, const QString& text) {
  return widthWith(QFontMetricsF(font), text);
}

void drawMonospacedDigits(QPainter& painter, const QRectF& rect, Qt::Alignment alignment,
                          const QString& text) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double cell = digitCell(metrics);
  const double width = widthWith(metrics, text);
  double x = rect.left();
  if (alignment & Qt::AlignHCenter)
    x = rect.center().x() - width / 2;
  else if (alignment & Qt::AlignRight)
    x = rect.right() - width;
  double baseline = rect.top() + metrics.ascent();
  if (alignment & Qt::AlignVCenter)
    baseline = rect.center().y() + (metrics.ascent() - metrics.descent()) / 2;
  else if (alignment & Qt::AlignBottom)
    baseline = rect.bottom() - metrics.descent();
  for (const QChar c : text) {
    const double advance = metrics.horizontalAdvance(c);
    if (c.isDigit()) {
      drawShapedText(painter, QPointF(x + (cell - advance) / 2, baseline), QString(c));
      x += cell;
    } else {
      drawShapedText(painter, QPointF(x, baseline), QString(c));
      x += advance;
    }
  }
}

}  // namespace tidewell::design
