#pragma once
// The popover's health line: a 7-point dot in the level's colour and the
// level's label (Inter semibold 11, secondary text), 6 apart.

#include <QWidget>

#include "design/theme/ThemePalette.h"

namespace tidewell::app {

void paintHealthLine(QPainter& painter, const QRectF& rect, const design::ThemePalette& palette);

class HealthLine : public QWidget {
  Q_OBJECT
 public:
  explicit HealthLine(QWidget* parent = nullptr);

  const design::ThemePalette& palette() const { return palette_; }
  void setPalette(const design::ThemePalette& palette);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  design::ThemePalette palette_;
};

}  // namespace tidewell::app
