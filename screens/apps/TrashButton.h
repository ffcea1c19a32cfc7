#pragma once
// The round trash button of an app card, 30 x 30: the "trash" symbol (12
// semibold) on a faint circle with a hairline edge, all turning the given
// red while the pointer is over it (colours only, at once). Its tooltip
// names what it removes. GUI thread only.

#include <QAbstractButton>
#include <QColor>

namespace tidewell::screens {

struct TrashButtonColours {
  QColor symbol;
  QColor fill;
  QColor border;
  bool operator==(const TrashButtonColours&) const = default;
};
// Hovered: red, red at 0.15, red at 0.45; resting: white at 0.55, white
// at 0.05, the hairline.
TrashButtonColours trashButtonColours(const QColor& red, bool hovering);

void paintTrashButton(QPainter& painter, const QRectF& rect, const TrashButtonColours& colours);

class TrashButton : public QAbstractButton {
  Q_OBJECT
 public:
  static constexpr int kSide = 30;

  // help: the tooltip; the button's clicked() is its action.
  TrashButton(QColor red, QString help, QWidget* parent = nullptr);

  bool isHovering() const { return hovering_; }
  // What the pointer does; public so the look can be shown without one.
  void setHovering(bool hovering);
  void setHelp(const QString& help);

  QSize sizeHint() const override { return {kSide, kSide}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QColor red_;
  bool hovering_ = false;
};

}  // namespace tidewell::screens
