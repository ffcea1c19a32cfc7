#pragma once
// Where the tray popover opens: centred under the tray icon when its
// geometry is known, else under the pointer; above instead when there is no
// room below (a panel at the bottom of the screen); and always moved fully
// onto the screen's available area.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tidewell::app {

// The gap between the anchor and the popover.
inline constexpr int kPopoverGap = 6;

// anchor: the tray icon's geometry, or an empty rectangle when unknown;
// cursor: the pointer, used when anchor is empty; available: the screen
// area the popover must stay inside. Returns the top-left corner.
QPoint popoverPosition(const QRect& anchor, const QPoint& cursor, const QSize& size, const QRect& available);

}  // namespace tidewell::app
