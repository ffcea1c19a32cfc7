#pragma once
// The "sparkles" symbol of the brand row, drawn from the one glyph the
// widget carries (compiled in), tinted. GUI thread.

#include <QColor>
#include <QRectF>

class QPainter;

namespace tidewell::widget {

// Draws the glyph fitted into box in colour; false, drawing nothing, when
// the glyph cannot be loaded.
bool drawSparkles(QPainter& painter, const QRectF& box, const QColor& colour);

}  // namespace tidewell::widget
