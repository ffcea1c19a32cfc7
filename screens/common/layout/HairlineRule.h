#pragma once
// A 1-point rule in the hairline colour: a vertical one between a rail and
// its detail, or a short one between two stats. length 0 lets it stretch
// along its orientation. GUI thread only.

#include <QWidget>

namespace tidewell::screens {

class HairlineRule : public QWidget {
  Q_OBJECT
 public:
  explicit HairlineRule(Qt::Orientation orientation, int length = 0, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell::screens
