#pragma once
// Paints the widget: the rounded background and the small or medium
// layout of one entry. Draws onto any device, so tests paint into images.
// GUI thread.

#include <QRectF>

#include "widget/timeline/SpaceEntry.h"
#include "widget/timeline/WidgetFamily.h"

class QPainter;

namespace tidewell::widget {

// The whole widget in bounds (normally the rectangle of widgetSize(family)).
void paintTidewellWidget(QPainter& painter, const QRectF& bounds, WidgetFamily family,
                         const SpaceEntry& entry);

void paintSmallContent(QPainter& painter, const QRectF& content, const SpaceEntry& entry);
void paintMediumContent(QPainter& painter, const QRectF& content, const SpaceEntry& entry);

// The usage bar: the dim track across track, the green fill from its left
// edge, barFillWidth(track width, fraction) wide.
void paintUsageBar(QPainter& painter, const QRectF& track, double fraction);

// The keyboard's focus ring: a 2-point green outline just inside the
// rounded background's edge.
void paintWidgetFocusRing(QPainter& painter, const QRectF& bounds);

// The ring in frame: the dim circle, and the arc from the top clockwise to
// ringEnd(fraction), shaded from green at the top round to mint.
void paintRing(QPainter& painter, const QRectF& frame, double fraction);

}  // namespace tidewell::widget
