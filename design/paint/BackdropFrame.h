#pragma once
// One frame of the backdrop at device resolution, made in a single pass:
// the reduced-resolution wash scaled up bilinearly with the grain added.
// It stands for drawing the wash scaled up with smooth transformation and
// then adding the tiled grain (what Qt's painter would do in two passes
// over the window, the first spread over its worker threads), to within
// a level or two of rounding. GUI thread only (the grain tile is shared).

#include <QImage>

namespace tidewell::design {

// The frame of pixels (device pixels) over which a wash of RGB32 pixels
// is stretched by factor device pixels per wash pixel, with grain, an
// RGB32 tile repeating from the frame's corner, added and clamped. The
// frame is made in reuse when that is an RGB32 image of the size (a
// window's frame is megabytes; a new one each time costs the system a
// page fault for every page of it).
QImage composeBackdrop(const QImage& wash, QSize pixels, double factor, const QImage& grain,
                       QImage reuse = {});

}  // namespace tidewell::design
