#pragma once
// Fine grain over the backdrop: one 128 x 128 image of random grey values,
// made on first use and kept for the process, tiled over the area and
// added (plus-lighter) at opacity 0.025. GUI thread only.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace tidewell::design {

inline constexpr int kNoiseSide = 128;
inline constexpr double kNoiseOpacity = 0.025;

// The grain: 128 x 128 one-byte grey values from the system's random source.
const QImage& noiseGrain();

// The grain ready to add at a device pixel ratio: each value already scaled
// by the overlay's opacity and each grain pixel as many device pixels wide
// as a point, so tiling it is a plain additive copy (RGB32; the ratio is
// left at 1, the side is kNoiseSide times dpr, rounded).
QImage grainTileImage(double dpr);

// Adds the tiled grain over rect; tiles are anchored at the painter's
// origin, so a partial repaint lines up with the rest.
void paintNoiseOverlay(QPainter& painter, const QRectF& rect);

// The grain as a widget laid over others: it takes no input or focus and
// carries no accessible name.
class NoiseOverlay : public QWidget {
  Q_OBJECT
 public:
  explicit NoiseOverlay(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell::design
