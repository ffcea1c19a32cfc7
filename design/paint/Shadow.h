#pragma once
// Blurred shadows and glows. A shape's shadow is an alpha mask of the shape,
// blurred (a Gaussian of sigma = radius / 2, as the interface's shadow
// radius means) and tinted; masks are cached keyed by the shape, its size,
// the radius, the colour and the device pixel ratio, so repaints only blit.
// GUI thread only.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QBrush;
class QPainter;

namespace tidewell::design {

struct Shadow {
  QColor color;
  double radius = 0;  // blur radius
  QPointF offset;     // moves the shadow, not the shape
};

// How far a shadow reaches beyond its shape on each side (blur plus offset).
double shadowReach(const Shadow& shadow);
// The area a shape's shadow may touch.
QRectF shadowBounds(const QRectF& shapeBounds, const Shadow& shadow);

// Draws the shadow of shape (in painter coordinates) under the painter's
// transform and opacity.
void drawShadow(QPainter& painter, const QPainterPath& shape, const Shadow& shadow);

// The tinted, blurred mask for shape at dpr; the image's top-left lies at
// shape.boundingRect().topLeft() - (m, m) for m = the blur's reach.
QImage shadowImage(const QPainterPath& shape, const Shadow& shadow, double dpr);

// Blurs an alpha mask (Format_Alpha8, its device pixel ratio kept) by
// sigma pixels and fills what it covers with brush (placed in the mask's
// logical coordinates, its top-left at 0, 0): a glow of any colouring.
QImage blurredTint(QImage mask, double sigma, const QBrush& brush);

// Blurs the alpha of a premultiplied image in place (three box passes each
// way approximate a Gaussian of sigma pixels).
void blurAlpha(QImage& image, double sigma);

}  // namespace tidewell::design
