#pragma once
// Where the parts of the round scan button sit and how it answers hover
// and clicks. Pure functions over the button's rect.

#include <QPointF>
#include <QRectF>

namespace tidewell::design {

inline constexpr double kScanCircleDiameter = 200;  // the filled circle
inline constexpr double kScanRingDiameter = 224;    // the dotted ring: the layout size
inline constexpr double kScanBlobSize = 62;
inline constexpr double kScanSpacing = 12;  // between blob and title
inline constexpr double kScanTitleSize = 16;
inline constexpr double kScanHoverDuration = 0.2;  // ease-out of hover changes
inline constexpr double kScanGlowRadius = 34;

struct ScanCircleLayout {
  QRectF circle;  // the filled circle's square
  QRectF ring;    // the dotted ring's square
  QRectF blob;    // the blob's square (its layout cell)
  QRectF title;   // the title's line, as wide as the ring
};

// The parts centred in rect; the blob and the title line (titleHeight
// high) stacked 12 apart, centred vertically.
ScanCircleLayout scanCircleLayout(const QRectF& rect, double titleHeight);

// Whether pos lies on the circle that fills the ring's square: the only
// place that hovers and clicks.
bool scanCircleHit(const QRectF& rect, QPointF pos);

// At hover progress h (0 resting, 1 hovered): the circle's fill opacity
// (0.06 to 0.12), the button's scale (1 to 1.04) and its glow's opacity
// (0 to 0.25).
double scanCircleFillOpacity(double hover);
double scanCircleScale(double hover);
double scanCircleGlowOpacity(double hover);

}  // namespace tidewell::design
