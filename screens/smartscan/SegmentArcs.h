#pragma once
// Where the arcs of a segmented ring lie: a circle cut into count equal
// segments, each leaving a gap of 0.025 of the circle centred on its
// boundaries, and each filled along its own length. Positions are
// fractions of the full circle from twelve o'clock, clockwise. Pure.

namespace tidewell::screens {

// Half the gap between two segments, as a fraction of the circle.
inline constexpr double kSegmentHalfGap = 0.0125;

struct ArcSpan {
  double start = 0;
  double end = 0;
  double length() const { return end - start; }
  bool operator==(const ArcSpan&) const = default;
};

// What lies over a segment's track: nothing, the faint tint of a warming
// segment over the whole track, or the fill.
enum class SegmentMark { none, warming, fill };

struct SegmentArcs {
  ArcSpan track;
  SegmentMark mark = SegmentMark::none;
  ArcSpan markArc;  // the tinted or filled part; empty (start == end) when mark is none
  bool operator==(const SegmentArcs&) const = default;
};

// Segment index of count: start = index / count + 0.0125, length
// 1 / count - 0.025 (never negative). A count below 1 gives an empty span.
ArcSpan segmentTrack(int count, int index);

// The track and what lies over it. warming wins over the fill; a fill above
// 1 is drawn as 1, and one of 0 or below (or NaN) draws nothing.
SegmentArcs segmentArcs(int count, int index, double fill, bool warming);

}  // namespace tidewell::screens
