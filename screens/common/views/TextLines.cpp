#include "screens/common/views/TextLines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "design/type/MonospacedDigits.h"
#include "design/type/ShapedText.h"

namespace tidewell::screens {

namespace {

QString trimmedRight(QString s) {
  while (!s.isEmpty() && (s.back().isSpace() || s.back() == QChar::LineSeparator)) s.chop(1);
  return s;
}

QString oneLine(QString text) {
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  text.replace(QChar::LineSeparator, QLatin1Char(' '));
  return text;
}

double lineWidth(const QString& line, const TextLook& look) {
  return look.monospacedDigits ? design::monospacedDigitsWidth(look.font, line)
                               : QFontMetricsF(look.font).horizontalAdvance(line);
}

}  // namespace

QStringList layOutLines(const QString& text, const TextLook& look, double width) {
  if (text.isEmpty()) return {};
  width = std::max(width, 1.0);
  const QFontMetricsF metrics(look.font);
  if (look.maxLines == 1) {
    const QString line = oneLine(text);
    if (look.elide == Qt::ElideNone || lineWidth(line, look) <= width) return {line};
    return {metrics.elidedText(line, look.elide, width)};
  }

  QString prepared = text;
  prepared.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(prepared, look.font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (;;) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    const int start = line.textStart();
    const int end = start + line.textLength();
    const bool lastAllowed = look.maxLines > 0 && lines.size() == look.maxLines - 1;
    if (lastAllowed && end < prepared.size() && look.elide != Qt::ElideNone) {
      // Text remains past the last line allowed: that line ends in an ellipsis.
      lines << metrics.elidedText(trimmedRight(oneLine(prepared.mid(start))), Qt::ElideRight, width);
      break;
    }
    lines << trimmedRight(prepared.mid(start, end - start));
    if (lastAllowed) break;
  }
  layout.endLayout();
  return lines;
}

double naturalTextWidth(const QString& text, const TextLook& look) {
  double widest = 0;
  const QStringList parts = look.maxLines == 1 ? QStringList{oneLine(text)} : text.split(QLatin1Char('\n'));
  for (const QString& part : parts) widest = std::max(widest, lineWidth(part, look));
  return widest;
}

double textBlockHeight(const TextLook& look, int count) {
  const int lines = std::max(count, look.reservedLines);
  if (lines <= 0) return 0;
  const QFontMetricsF metrics(look.font);
  return metrics.height() + (lines - 1) * metrics.lineSpacing();
}

void paintTextLines(QPainter& painter, const QRectF& rect, const QStringList& lines, const TextLook& look) {
  if (lines.isEmpty()) return;
  const QFontMetricsF metrics(look.font);
  const double block = textBlockHeight(look, int(lines.size()));
  double y = rect.top() + std::max(0.0, (rect.height() - block) / 2);
  painter.save();
  painter.setFont(look.font);
  painter.setPen(look.colour);
  painter.setClipRect(rect, Qt::IntersectClip);
  const Qt::Alignment horizontal = look.alignment & Qt::AlignHorizontal_Mask;
  for (const QString& line : lines) {
    const QRectF lineRect(rect.left(), y, rect.width(), metrics.height());
    if (look.monospacedDigits && lines.size() == 1 && lineWidth(line, look) <= rect.width() + 0.5) {
      design::drawMonospacedDigits(painter, lineRect, horizontal | Qt::AlignVCenter, line);
    } else {
      design::drawShapedText(painter, lineRect, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine,
                             line);
    }
    y += metrics.lineSpacing();
  }
  painter.restore();
}

}  // namespace tidewell::screens
