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

double lineHeight(const LineLook& look) { return QFontMetricsF(look.font).height(); }

double lineWidth(const LineLook& look, const QString& text) {
  const QFontMetricsF metrics(look.font);
  if (!look.monospacedDigits) return metrics.horizontalAdvance(text);
  const double cell = digitAdvance(metrics);
  double width = 0;
  for (const QChar c : text) width += advanceOf(metrics, c, cell);
  return width;
}

FittedLine fitLine(const LineLook& look, const QString& text, double width) {
  const double natural = lineWidth(look, text);
  if (natural <= width || natural <= 0) return {1.0, text};
  const double scale = std::max(width / natural, look.minimumScale);
  if (natural * scale <= width + 1e-9) return {scale, text};
  QString cut = text;
  while (!cut.isEmpty() && lineWidth(look, cut + u'…') * scale > width) cut.chop(1);
  return {scale, cut + u'…'};
}

void drawLine(QPainter& painter, const QRectF& frame, const QString& text, const LineLook& look,
              Qt::Alignment alignment) {
  const FittedLine line = fitLine(look, text, frame.width());
  const QFontMetricsF metrics(look.font);
  const double width = lineWidth(look, line.text) * line.scale;
  const double x = alignment & Qt::AlignHCenter ? frame.center().x() - width / 2 : frame.left();
  const double top = frame.center().y() - metrics.height() * line.scale / 2;

  painter.save();
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(x, top);
  painter.scale(line.scale, line.scale);
  painter.setFont(look.font);
  painter.setPen(look.colour);
  if (!look.monospacedDigits) {
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
