#pragma once
// A paragraph of the interface: wrapped text in one font and colour, its
// lines centred (or as aligned), taking the height it needs and never cut
// short. GUI thread only.

#include <QColor>
#include <QFont>
#include <QLabel>

namespace tidewell::app {

class TextBlock : public QLabel {
  Q_OBJECT
 public:
  TextBlock(const QString& text, const QFont& font, const QColor& colour,
            Qt::Alignment alignment = Qt::AlignHCenter, QWidget* parent = nullptr);
};

}  // namespace tidewell::app
