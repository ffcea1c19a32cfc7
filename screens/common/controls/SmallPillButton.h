#pragma once
// The small tinted pill of a detail header ("Smart", "All", "None"): the
// title in Inter medium 11 in the section accent's primary, padded 9 by 5,
// on a capsule of the primary at 0.12. Dimmed while pressed. GUI thread.

#include <QAbstractButton>

namespace tidewell::screens {

void paintSmallPill(QPainter& painter, const QRectF& rect, const QString& title, const QColor& accent,
                    bool pressed);

class SmallPillButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit SmallPillButton(const QString& title, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell::screens
