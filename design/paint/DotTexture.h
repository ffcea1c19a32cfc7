#pragma once
// The block of faint dots near the top-trailing corner of a glass card:
// 13 columns 9 apart from 124 to 16 points left of the trailing edge, 6
// rows 9 apart from 14 points down, each dot 1.6 points wide, white at 0.1
// in the top row fading by a sixth per row. Pure layout plus paint.

#include <QRectF>
#include <vector>

class QPainter;

namespace tidewell::design {

struct TextureDot {
  QRectF rect;  // the dot's square (the circle fills it)
  double opacity = 0;
};

// The 78 dots for an area width wide, in the area's own coordinates; a
// narrow area puts the first columns at negative x (the caller clips).
std::vector<TextureDot> dotTextureLayout(double width);

// Draws the dots in area (not clipped here).
void paintDotTexture(QPainter& painter, const QRectF& area);

}  // namespace tidewell::design
