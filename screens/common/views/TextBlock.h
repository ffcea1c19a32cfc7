#pragma once
// A paragraph of the interface: wrapped text in one font and colour, its
// lines centred (or as aligned), taking the height it needs and never cut
// short. Its lines sit at the top at whole pixels, as a QLabel sets them,
// where TextLabel centres them in a rounded-up height: the About sheet's
// paragraphs are placed by that. GUI thread only.

#include <QColor>
#include <QFont>
#include <QLabel>

namespace tidewell::screens {

class TextBlock : public QLabel {
  Q_OBJECT
 public:
  TextBlock(const QString& text, const QFont& font, const QColor& colour,
            Qt::Alignment alignment = Qt::AlignHCenter, QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
