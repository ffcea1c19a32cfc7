#include "design/type/ShapedText.h"

#include <QCache>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace tidewell::design {

namespace {

int gLayouts = 0;

// One laid-out line: the text as drawText lays it out (carriage returns,
// newlines and tabs become spaces on a single line) on a line as wide as
// drawText makes an unwrapped one.
struct Shaped {
  Shaped(const QString& text, const QFont& font, Qt::LayoutDirection direction) : layout(text, font) {
    layout.setCacheEnabled(true);
    QTextOption option = layout.textOption();
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    line = layout.createLine();
    if (line.isValid()) {
      line.setLineWidth(0x01000000);
      line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    ++gLayouts;
  }
  QTextLayout layout;
  QTextLine line;
};

QCache<QString, Shaped>& cache() {
  static QCache<QString, Shaped> shaped(4000);
  return shaped;
}

// What drawText would do with the text as a single plain line; empty when
// it would do more than that.
bool plainLine(const QString& text, int flags, QString& line) {
  if (flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere | Qt::TextExpandTabs | Qt::TextShowMnemonic |
               Qt::TextHideMnemonic | Qt::TextJustificationForced | Qt::AlignJustify | Qt::TextDontPrint))
    return false;
  const bool single = flags & Qt::TextSingleLine;
  line = text;
  for (QChar& c : line) {
    if (c == u'\r' || c == u'\t' || (single && c == u'\n')) {
      c = u' ';
    } else if (c == u'\n' || c == QChar(0x9c)) {
      return false;
    }
  }
  return true;
}

const Shaped* shapedFor(QPainter& painter, const QString& line) {
  // Right to left flips alignments as well; that stays with drawText.
  const Qt::LayoutDirection direction = painter.layoutDirection();
  if (line.isEmpty() || direction == Qt::RightToLeft) return nullptr;
  const QFont& font = painter.font();
  const QPaintDevice* device = painter.device();
  QString key = font.toString();
  key += u'|';
  key += QString::number(device ? device->logicalDpiY() : 0);
  key += direction == Qt::LeftToRight ? u'l' : u'a';
  key += u'|';
  key += line;
  if (Shaped* hit = cache().object(key)) return hit;
  auto* made = new Shaped(line, font, direction);
  if (!made->line.isValid() || made->layout.lineCount() != 1) {
    delete made;
    return nullptr;
  }
  const Shaped* kept = made;
  cache().insert(key, made, 1);
  return kept;
}

}  // namespace

int shapedTextLayouts() { return gLayouts; }

void drawShapedText(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
  QString plain;
  const Shaped* shaped = plainLine(text, flags, plain) ? shapedFor(painter, plain) : nullptr;
  if (!shaped) {
    painter.drawText(rect, flags, text);
    return;
  }
  const QTextLine& line = shaped->line;
  // Placed as drawText places a line: the block's height is the line's
  // ascent and descent; the horizontal offset is taken from its advance.
  const double height = line.ascent() + line.descent();
  const double width = line.naturalTextWidth();
  double yoff = 0;
  if (flags & Qt::AlignBottom)
    yoff = rect.height() - height;
  else if (flags & Qt::AlignVCenter)
    yoff = (rect.height() - height) / 2;
  double boundsX = 0;
  if (flags & Qt::AlignRight)
    boundsX = rect.width() - width;
  else if (flags & Qt::AlignHCenter)
    boundsX = (rect.width() - width) / 2;
  const QRectF bounds(rect.x() + boundsX, rect.y() + yoff, width, height);
  const bool clip = !(flags & Qt::TextDontClip) && !rect.contains(bounds);
  if (clip) {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
  }
  const double advance = line.horizontalAdvance();
  double xoff = 0;
  if (flags & Qt::AlignRight)
    xoff = rect.width() - advance;
  else if (flags & Qt::AlignHCenter)
    xoff = (rect.width() - advance) / 2;
  line.draw(&painter, QPointF(rect.x() + xoff, rect.y() + yoff));
  if (clip) painter.restore();
}

void drawShapedText(QPainter& painter, const QPointF& baseline, const QString& text) {
  // drawText at a point draws control characters as they are; only plain
  // text takes the cached way.
  const bool plain =
      std::none_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
  const Shaped* shaped = plain ? shapedFor(painter, text) : nullptr;
  if (!shaped) {
    painter.drawText(baseline, text);
    return;
  }
  shaped->line.draw(&painter, QPointF(baseline.x(), baseline.y() - shaped->line.ascent()));
}

}  // namespace tidewell::design
