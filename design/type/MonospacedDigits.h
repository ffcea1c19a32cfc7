#pragma once
// Text whose digits sit in cells of equal width, so a counting number does
// not jitter. Qt 6.4 cannot switch on Inter's tabular figures, so each
// digit is centred in a cell as wide as the font's widest digit; every
// other character keeps its own advance.

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace tidewell::design {

// Width of text laid out with monospaced digits.
double monospacedDigitsWidth(const QFont& font, const QString& text);

// Draws text in the painter's font and pen within rect, aligned by
// alignment (horizontal and vertical flags), on one line.
void drawMonospacedDigits(QPainter& painter, const QRectF& rect, Qt::Alignment alignment,
                          const QString& text);

}  // namespace tidewell::design
