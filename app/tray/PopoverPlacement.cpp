#include "app/tray/PopoverPlacement.h"

#include <algorithm>

namespace tidewell::app {

namespace {
// Keeps [start, start + length) inside [low, high); a popover larger than
// the range starts at low.
int clampSpan(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}
}  // namespace

QPoint popoverPosition(const QRect& anchor, const QPoint& cursor, const QSize& size, const QRect& available) {
  const bool anchored = anchor.isValid() && !anchor.isEmpty();
  const int centreX = anchored ? anchor.center().x() : cursor.x();
  const int below = (anchored ? anchor.bottom() + 1 : cursor.y()) + kPopoverGap;
  const int above = (anchored ? anchor.top() : cursor.y()) - kPopoverGap - size.height();

  int y = below;
  const int bottomEdge = available.top() + available.height();
  if (below + size.height() > bottomEdge && above >= available.top()) y = above;

  const int x = centreX - size.width() / 2;
  return {clampSpan(x, size.width(), available.left(), available.left() + available.width()),
          clampSpan(y, size.height(), available.top(), bottomEdge)};
}

}  // namespace tidewell::app
