#pragma once
// One frame of the intro video: our wordmark revealed on black. The mark
// grows in at the centre inside a soft green glow, slides left to its place,
// and the name wipes in beside it; the last two seconds hold still. Shared by
// the generator (which encodes the frames) and the screen renderer.

#include <QSize>

class QPainter;
class QRectF;

namespace tidewell::design {
class BrandArtwork;
}

namespace tidewell::app {

inline constexpr QSize kIntroFrameSize{1280, 800};
inline constexpr int kIntroFramesPerSecond = 30;
inline constexpr double kIntroSeconds = 5.0;

// Draws the frame at t seconds (clamped to the video's length) filling rect;
// the wordmark's height follows the rect's height.
void paintIntroFrame(QPainter& painter, const QRectF& rect, const design::BrandArtwork& wordmark, double t);

}  // namespace tidewell::app
