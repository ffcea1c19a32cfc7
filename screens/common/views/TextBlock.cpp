#include "screens/common/views/TextBlock.h"

namespace tidewell::screens {

TextBlock::TextBlock(const QString& text, const QFont& font, const QColor& colour, Qt::Alignment alignment,
                     QWidget* parent)
    : QLabel(text, parent) {
  setFont(font);
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  setAlignment(alignment | Qt::AlignTop);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colour);
  setPalette(colours);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

}  // namespace tidewell::screens
