#pragma once
// A segmented picker ("Memory" | "Startup"): segments of equal width side
// by side in one rounded track, the chosen one raised. A click on a
// segment, or the arrow keys while focused, choose it and report
// currentChanged(index); choosing the chosen one reports nothing. The
// titles are shown verbatim. A reader meets a tab list (named by its
// accessibleName) with one tab per segment, and hears the chosen one as it
// changes. GUI thread only.

#include <QStringList>
#include <QWidget>

namespace tidewell::screens {

struct SegmentedLayout {
  QList<QRectF> segments;  // in the control's coordinates, left to right
  QSizeF size;
};

// Segments as wide as the widest title plus 12 on each side, 24 high.
SegmentedLayout segmentedLayout(const QStringList& titles);

void paintSegmentedControl(QPainter& painter, const QRectF& rect, const QStringList& titles, int current);

class SegmentedControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
 public:
  explicit SegmentedControl(QStringList titles, int current = 0, QWidget* parent = nullptr);

  const QStringList& titles() const { return titles_; }
  int currentIndex() const { return current_; }
  // Out-of-range indexes are ignored.
  void setCurrentIndex(int index);
  QString currentTitle() const;
  // Where segment index lies (for tests that click it).
  QRect segmentRect(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 Q_SIGNALS:
  void currentChanged(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int segmentAt(QPointF pos) const;
  QStringList titles_;
  int current_;
  int pressed_ = -1;
};

}  // namespace tidewell::screens
