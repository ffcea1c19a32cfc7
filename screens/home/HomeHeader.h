#pragma once
// The head of the Home page: "Overview" with its subtitle, then, at the
// trailing edge, the health badge and "Scan My Mac" ("scanButton"), 12
// apart. Shows plain values and reports the button. GUI thread only.

#include <QWidget>

#include "design/theme/ThemePalette.h"

namespace tidewell::design {
class PillButton;
}

namespace tidewell::screens {

class HealthBadge;

class HomeHeader : public QWidget {
  Q_OBJECT
 public:
  explicit HomeHeader(QWidget* parent = nullptr);

  void setHealth(const design::ThemePalette& health);

 Q_SIGNALS:
  void scanClicked();

 private:
  HealthBadge* badge_;
  design::PillButton* scan_;
};

}  // namespace tidewell::screens
