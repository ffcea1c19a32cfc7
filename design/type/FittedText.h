#pragma once
// One line of text that shrinks to fit: the font is scaled down until the
// text fits the width, but not below minimumScale of its size; if it still
// does not fit, the text is elided at the end.

#include <QFont>
#include <QString>

namespace tidewell::design {

struct FittedText {
  QFont font;
  QString text;
  double scale = 1.0;  // the factor applied to the font's size
};

FittedText fitText(const QFont& font, const QString& text, double width, double minimumScale);

}  // namespace tidewell::design
