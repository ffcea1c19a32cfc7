#pragma once
// A word on a capsule ("helper", "unused", "review", a kind or scope
// chip): the text in its colour, padded, on a capsule of its fill. Natural
// size only. GUI thread only.

#include <QColor>
#include <QWidget>

namespace tidewell::screens {

struct BadgeLook {
  double fontSize = 10;  // Inter semibold
  QColor text = Qt::white;
  QColor fill = QColor(255, 255, 255, 26);
  double horizontalPadding = 7;
  double verticalPadding = 2;
  bool operator==(const BadgeLook&) const = default;
};

void paintBadge(QPainter& painter, const QRectF& rect, const QString& text, const BadgeLook& look);
QSizeF badgeSize(const QString& text, const BadgeLook& look);

class Badge : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
 public:
  Badge(QString text, BadgeLook look, QWidget* parent = nullptr);

  const QString& text() const { return text_; }
  void setText(const QString& text);
  const BadgeLook& look() const { return look_; }
  void setLook(const BadgeLook& look);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  BadgeLook look_;
};

}  // namespace tidewell::screens
