#pragma once
// One line of widget text in the system font: optional monospaced digits
// (each digit centred in a cell as wide as the widest digit, so figures do
// not shift between readings) and optional shrinking to fit, down to a
// minimum scale, after which the line is cut with an ellipsis. GUI thread.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace tidewell::widget {

// The system font at size pixels and the given weight.
QFont widgetFont(int size, QFont::Weight weight = QFont::Normal);

struct LineLook {
  QFont font;
  QColor colour;
  bool monospacedDigits = false;
  double minimumScale = 1.0;  // 1: never shrinks, only cuts
};

// Height and natural width of a line in look.
double lineHeight(const LineLook& look);
double lineWidth(const LineLook& look, const QString& text);

// What a line becomes in a frame width pixels wide: the scale its font is
// drawn at and the text, cut with "…" when even the minimum scale is too wide.
struct FittedLine {
  double scale = 1.0;
  QString text;
};
FittedLine fitLine(const LineLook& look, const QString& text, double width);

// Draws text fitted into frame, vertically centred, at the left edge or,
// with Qt::AlignHCenter, centred.
void drawLine(QPainter& painter, const QRectF& frame, const QString& text, const LineLook& look,
              Qt::Alignment alignment = Qt::AlignLeft);

}  // namespace tidewell::widget
