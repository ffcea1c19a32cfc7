#pragma once
// Where everything of the two layouts sits, in widget coordinates. Pure
// geometry over the text looks' font metrics; GUI thread.

#include <QRectF>
#include <QSizeF>

#include "widget/timeline/WidgetFamily.h"

namespace tidewell::widget {

inline constexpr double kContentMargin = 16;  // between the edge and the content
inline constexpr double kCornerRadius = 20;
inline constexpr double kBarHeight = 5;
inline constexpr double kRingSide = 74;
inline constexpr double kRingLineWidth = 8;

// 170 x 170 small, 364 x 170 medium.
QSizeF widgetSize(WidgetFamily family);
QRectF contentRect(const QRectF& bounds);

// A column from the top: the brand row (symbol, then text), a flexible
// gap, the free figure, "free" and the usage bar at the bottom; 6 apart.
struct SmallLayout {
  QRectF symbol;
  QRectF brandText;
  QRectF freeText;
  QRectF freeLabel;
  QRectF bar;  // the full track
};
SmallLayout smallLayout(const QRectF& content);

// A row, centred vertically: the ring, 16 apart from a column of the free
// figure, "free of …" and "Tap to scan".
struct MediumLayout {
  QRectF ring;  // the frame the ring's circle fills; its stroke straddles it
  QRectF freeText;
  QRectF freeOfText;
  QRectF tapToScan;
};
MediumLayout mediumLayout(const QRectF& content);

}  // namespace tidewell::widget
