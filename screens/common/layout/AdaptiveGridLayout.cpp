#include "screens/common/layout/AdaptiveGridLayout.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "screens/common/layout/AdaptiveColumns.h"

namespace tidewell::screens {

namespace {
int cellHeight(QLayoutItem* item, int width) {
  if (item->hasHeightForWidth()) return std::max(item->heightForWidth(width), item->minimumSize().height());
  return std::clamp(item->sizeHint().height(), item->minimumSize().height(), item->maximumSize().height());
}

// The column minimum in whole pixels. A row stack's is infinite (there is
// never room for a second column): it asks for no width of its own.
int columnMinimum(double minimumColumnWidth) {
  if (!(minimumColumnWidth > 0) || !std::isfinite(minimumColumnWidth)) return 0;
  return int(std::ceil(std::min(minimumColumnWidth, double(QWIDGETSIZE_MAX))));
}
}  // namespace

AdaptiveGridLayout::AdaptiveGridLayout(AdaptiveGridMetrics metrics, QWidget* parent)
    : QLayout(parent), metrics_(metrics) {
  setContentsMargins(0, 0, 0, 0);
}

AdaptiveGridLayout::~AdaptiveGridLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

int AdaptiveGridLayout::columnCount() const {
  const QRect r = contentsRect();
  return adaptiveColumnCount(r.width(), metrics_.minimumColumnWidth, metrics_.columnSpacing);
}

void AdaptiveGridLayout::insertWidget(int index, QWidget* widget) {
  addChildWidget(widget);
  auto* item = new QWidgetItem(widget);
  if (index < 0 || index > items_.size()) index = int(items_.size());
  items_.insert(index, item);
  invalidate();
}

void AdaptiveGridLayout::addItem(QLayoutItem* item) {
  items_.append(item);
  invalidate();
}

int AdaptiveGridLayout::count() const { return int(items_.size()); }

QLayoutItem* AdaptiveGridLayout::itemAt(int index) const {
  return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* AdaptiveGridLayout::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  QLayoutItem* item = items_.takeAt(index);
  invalidate();
  return item;
}

Qt::Orientations AdaptiveGridLayout::expandingDirections() const { return Qt::Horizontal; }

bool AdaptiveGridLayout::hasHeightForWidth() const { return true; }

int AdaptiveGridLayout::heightForWidth(int width) const { return place(QRect(0, 0, width, 0), false); }

QSize AdaptiveGridLayout::sizeHint() const {
  int width = columnMinimum(metrics_.minimumColumnWidth);
  if (!std::isfinite(metrics_.minimumColumnWidth)) {
    // A row stack is as wide as its widest row would like.
    for (QLayoutItem* item : items_)
      if (!item->isEmpty()) width = std::max(width, item->sizeHint().width());
  }
  const QMargins m = contentsMargins();
  return {width + m.left() + m.right(), heightForWidth(width + m.left() + m.right())};
}

QSize AdaptiveGridLayout::minimumSize() const {
  const QMargins m = contentsMargins();
  return {columnMinimum(metrics_.minimumColumnWidth) + m.left() + m.right(), m.top() + m.bottom()};
}

void AdaptiveGridLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  place(rect, true);
}

int AdaptiveGridLayout::place(const QRect& outer, bool apply) const {
  const QMargins m = contentsMargins();
  const QRect rect = outer.marginsRemoved(m);
  QList<QLayoutItem*> visible;
  for (QLayoutItem* item : items_)
    if (!item->isEmpty()) visible.append(item);
  if (visible.isEmpty()) return m.top() + m.bottom();

  const int columns = adaptiveColumnCount(rect.width(), metrics_.minimumColumnWidth, metrics_.columnSpacing);
  const double columnWidth = adaptiveColumnWidth(rect.width(), columns, metrics_.columnSpacing);
  const int cellWidth = std::max(0, int(std::floor(columnWidth)));
  double y = rect.top();
  for (qsizetype start = 0; start < visible.size(); start += columns) {
    const qsizetype end = std::min<qsizetype>(start + columns, visible.size());
    int rowHeight = 0;
    QList<int> heights;
    for (qsizetype i = start; i < end; ++i) {
      heights.append(cellHeight(visible[i], cellWidth));
      rowHeight = std::max(rowHeight, heights.back());
    }
    if (apply) {
      for (qsizetype i = start; i < end; ++i) {
        const int h = heights[i - start];
        const int column = int(i - start);
        const int x = rect.left() + int(std::lround(column * (columnWidth + metrics_.columnSpacing)));
        int top = int(std::lround(y));
        if (metrics_.cellAlignment & Qt::AlignBottom)
          top += rowHeight - h;
        else if (metrics_.cellAlignment & Qt::AlignVCenter)
          top += (rowHeight - h) / 2;
        visible[i]->setGeometry(QRect(x, top, cellWidth, h));
      }
    }
    y += rowHeight;
    if (end < visible.size()) y += metrics_.rowSpacing;
  }
  return int(std::ceil(y - rect.top())) + m.top() + m.bottom();
}

}  // namespace tidewell::screens
