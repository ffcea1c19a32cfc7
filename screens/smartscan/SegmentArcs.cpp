#include "screens/smartscan/SegmentArcs.h"

#include <algorithm>

namespace tidewell::screens {

ArcSpan segmentTrack(int count, int index) {
  if (count < 1) return {};
  const double start = double(index) / count + kSegmentHalfGap;
  const double length = std::max(0.0, 1.0 / count - 2 * kSegmentHalfGap);
  return {start, start + length};
}

SegmentArcs segmentArcs(int count, int index, double fill, bool warming) {
  SegmentArcs arcs;
  arcs.track = segmentTrack(count, index);
  arcs.markArc = {arcs.track.start, arcs.track.start};
  if (warming) {
    arcs.mark = SegmentMark::warming;
    arcs.markArc = arcs.track;
  } else if (fill > 0) {
    arcs.mark = SegmentMark::fill;
    arcs.markArc.end = arcs.track.start + std::min(fill, 1.0) * arcs.track.length();
  }
  return arcs;
}

}  // namespace tidewell::screens
