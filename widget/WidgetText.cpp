#include "widget/WidgetText.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

namespace tidewell::widget {

namespace {
// Digits share the advance of the widest one.
double digitAdvance(const QFontMetricsF& metrics) {
  double widest = 0;
  for (char digit = '0'; digit <= '9'; ++digit)
    widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(digit)));
  return widest;
}

double advanceOf(const QFontMetricsF& metrics, QChar c, double digitCell) {
  return digitCell > 0 && c.isDigit() ? digitCell : metrics.horizontalAdvance(c);
}
}  // namespace

QFont widgetFont(int size, QFont::Weight weight) {
  QFont font = QGuiApplication::font();
  font.setPixelSize(size);
  font.setWeight(weight);
  return font;
}

double lineHeight(const LineLook& style) { return QFontMetricsF(style.font).height(); }

double lineWidth(const LineLook& style, const QString& text) {
  const QFontMetricsF metrics(style.font);
  if (!style.monospacedDigits) return metrics.horizontalAdvance(text);
  const double cell = digitAdvance(metrics);
  double width = 0;
  for (const QChar c : text) width += advanceOf(metrics, c, cell);
  return width;
}

FittedLine fitLine(const LineLook& style, const QString& text, double width) {
  const double natural = lineWidth(style, text);
  if (natural <= width || natural <= 0) return {1.0, text};
  const double scale = std::max(width / natural, style.minimumScale);
  if (natural * scale <= width + 1e-9) return {scale, text};
  QString cut = text;
  while (!cut.isEmpty() && lineWidth(style, cut + u'…') * scale > width) cut.chop(1);
  return {scale, cut + u'…'};
}

void drawLine(QPainter& painter, const QRectF& frame, const QString& text, const LineLook& style,
              Qt::Alignment alignment) {
  const FittedLine line = fitLine(style, text, frame.width());
  const QFontMetricsF metrics(style.font);
  const double width = lineWidth(style, line.text) * line.scale;
  const double x = alignment & Qt::AlignHCenter ? frame.center().x() - width / 2 : frame.left();
  const double top = frame.center().y() - metrics.height() * line.scale / 2;

  painter.save();
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(x, top);
  painter.scale(line.scale, line.scale);
  painter.setFont(style.font);
  painter.setPen(style.colour);
  if (!style.monospacedDigits) {
    painter.drawText(QPointF(0, metrics.ascent()), line.text);
  } else {
    const double cell = digitAdvance(metrics);
    double pen = 0;
    for (const QChar c : line.text) {
      const double advance = metrics.horizontalAdvance(c);
      const double slot = advanceOf(metrics, c, cell);
      painter.drawText(QPointF(pen + (slot - advance) / 2, metrics.ascent()), QString(c));
      pen += slot;
    }
  }
  painter.restore();
}

}  // namespace tidewell::widget
