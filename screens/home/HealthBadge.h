#pragma once
// The disk's health in Home's header: a 7-point dot in the health colour
// and the level's name (12 semibold), 7 apart, padded 12 by 8 on a capsule
// of the raised surface with a hairline edge. The "text" property is the
// level's name. GUI thread only.

#include <QColor>
#include <QWidget>

namespace tidewell::screens {

class HealthBadge : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text)
 public:
  explicit HealthBadge(QWidget* parent = nullptr);

  const QString& text() const { return label_; }
  const QColor& colour() const { return colour_; }
  void setHealth(const QString& label, const QColor& colour);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString label_;
  QColor colour_;
};

}  // namespace tidewell::screens
