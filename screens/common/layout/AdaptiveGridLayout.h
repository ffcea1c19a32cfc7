#pragma once
// A layout placing its widgets in rows of adaptive columns (see
// adaptiveColumnCount): every cell as wide as its column, as high as it
// asks to be at that width, aligned in its row (top, centre or bottom; the
// row is as high as its tallest cell). The grid's own height follows its
// width (height for width), so inside a ScrollColumn it grows downward.
// Order is insertion order; insertWidget and takeAt reorder. GUI thread.

#include <QLayout>
#include <QList>

namespace tidewell::screens {

struct AdaptiveGridMetrics {
  double minimumColumnWidth = 230;
  double columnSpacing = 12;
  double rowSpacing = 12;
  // Where a cell sits in a taller row: Qt::AlignTop, AlignVCenter, AlignBottom.
  Qt::Alignment cellAlignment = Qt::AlignVCenter;
};

class AdaptiveGridLayout : public QLayout {
  Q_OBJECT
 public:
  explicit AdaptiveGridLayout(AdaptiveGridMetrics metrics, QWidget* parent = nullptr);
  ~AdaptiveGridLayout() override;

  const AdaptiveGridMetrics& metrics() const { return metrics_; }
  // The columns the grid shows at its current width.
  int columnCount() const;
  // Inserts widget at index (clamped; -1 appends).
  void insertWidget(int index, QWidget* widget);

  void addItem(QLayoutItem* item) override;
  int count() const override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override;
  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;

 private:
  // Lays the items out in rect (or only measures when apply is false);
  // returns the height used.
  int place(const QRect& rect, bool apply) const;

  AdaptiveGridMetrics metrics_;
  QList<QLayoutItem*> items_;
};

}  // namespace tidewell::screens
