#pragma once
// One line of the Deep Scan bucket column: the bucket's badge, title and
// "count · size" line, and a chevron. Clicking anywhere on its rounded
// shape runs its view action; it never reads a model. The screen builds a
// new row for every change of its values. GUI thread only.

#include <QAbstractButton>
#include <functional>

#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {

struct RiskRowValues {
  RiskBucket bucket = RiskBucket::other;
  int64_t count = 0;
  int64_t bytes = 0;
  bool isViewing = false;  // the screen shows this bucket's detail
  bool operator==(const RiskRowValues&) const = default;
};

// The row's height, and the row painted into rect.
double riskRowHeight();
void paintRiskRow(QPainter& painter, const QRectF& rect, const RiskRowValues& values, bool hovering);

class RiskRow : public QAbstractButton {
  Q_OBJECT
 public:
  RiskRow(RiskRowValues values, std::function<void()> view, QWidget* parent = nullptr);

  const RiskRowValues& values() const { return values_; }
  QString titleText() const;
  QString countText() const;
  bool isHovering() const { return hovering_; }
  // What the pointer does; public so the look can be shown without one.
  void setHovering(bool hovering);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool hitButton(const QPoint& pos) const override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  RiskRowValues values_;
  std::function<void()> view_;
  bool hovering_ = false;
};

}  // namespace tidewell::screens
