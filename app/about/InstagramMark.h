#pragma once
// The Instagram tile's glyph, drawn in code: a camera outline of a rounded
// square, a lens circle and a small dot, all white, in the largest square
// centred in the rect.

class QPainter;
class QRectF;

namespace tidewell::app {

// The stroke width for a glyph of side s: a tenth of it, at least 1.3.
double instagramMarkLineWidth(double side);
void paintInstagramMark(QPainter& painter, const QRectF& rect);

}  // namespace tidewell::app
