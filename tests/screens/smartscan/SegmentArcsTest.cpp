#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "screens/smartscan/SegmentArcs.h"
#include "screens/smartscan/SegmentedScanRing.h"

namespace tidewell::screens {
namespace {

struct ArcCase {
  const char* what;
  int count;
  int index;
  double fill;
  bool warming;
  ArcSpan track;
  SegmentMark mark;
  ArcSpan markArc;
};

TEST(SegmentArcs, TracksFillsAndWarmingTints) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const ArcCase cases[] = {
      {"first of four, full", 4, 0, 1, false, {0.0125, 0.2375}, SegmentMark::fill, {0.0125, 0.2375}},
      {"second of four, half", 4, 1, 0.5, false, {0.2625, 0.4875}, SegmentMark::fill, {0.2625, 0.375}},
      {"third of four, empty", 4, 2, 0, false, {0.5125, 0.7375}, SegmentMark::none, {0.5125, 0.5125}},
      {"fourth of four, empty", 4, 3, 0, false, {0.7625, 0.9875}, SegmentMark::none, {0.7625, 0.7625}},
      {"a fill above 1 draws as 1", 4, 0, 1.7, false, {0.0125, 0.2375}, SegmentMark::fill, {0.0125, 0.2375}},
      {"a fill below 0 draws only the track",
       4,
       1,
       -0.2,
       false,
       {0.2625, 0.4875},
       SegmentMark::none,
       {0.2625, 0.2625}},
      {"NaN draws only the track", 4, 1, nan, false, {0.2625, 0.4875}, SegmentMark::none, {0.2625, 0.2625}},
      {"warming shows the whole faint arc, not the fill",
       4,
       3,
       0.4,
       true,
       {0.7625, 0.9875},
       SegmentMark::warming,
       {0.7625, 0.9875}},
      {"warming with nothing filled",
       4,
       3,
       0,
       true,
       {0.7625, 0.9875},
       SegmentMark::warming,
       {0.7625, 0.9875}},
      {"one segment: almost the whole circle",
       1,
       0,
       1,
       false,
       {0.0125, 0.9875},
       SegmentMark::fill,
       {0.0125, 0.9875}},
      {"two segments, a quarter filled",
       2,
       1,
       0.25,
       false,
       {0.5125, 0.9875},
       SegmentMark::fill,
       {0.5125, 0.63125}},
      {"no segments: an empty span", 0, 0, 1, false, {0, 0}, SegmentMark::fill, {0, 0}},
      {"too many segments leave no negative span",
       50,
       2,
       1,
       false,
       {0.0525, 0.0525},
       SegmentMark::fill,
       {0.0525, 0.0525}},
  };
  for (const ArcCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SegmentArcs arcs = segmentArcs(c.count, c.index, c.fill, c.warming);
    EXPECT_NEAR(arcs.track.start, c.track.start, 1e-12);
    EXPECT_NEAR(arcs.track.end, c.track.end, 1e-12);
    EXPECT_EQ(arcs.mark, c.mark);
    EXPECT_NEAR(arcs.markArc.start, c.markArc.start, 1e-12);
    EXPECT_NEAR(arcs.markArc.end, c.markArc.end, 1e-12);
  }
}

TEST(SegmentArcs, FourSegmentsLeaveNineDegreeGapsCentredOnTheirBoundaries) {
  for (int i = 0; i < 4; ++i) {
    const ArcSpan here = segmentTrack(4, i);
    const ArcSpan next = segmentTrack(4, (i + 1) % 4);
    const double nextStart = next.start + (i == 3 ? 1.0 : 0.0);
    EXPECT_NEAR((nextStart - here.end) * 360, 9.0, 1e-9);
    EXPECT_NEAR((here.end + nextStart) / 2, (i + 1) * 0.25, 1e-12);
  }
}

TEST(SegmentArcs, TheRingLaysOutEverySegmentInOrder) {
  EXPECT_TRUE(scanRingArcs({}).empty());
  const std::vector<ScanRingSegment> four = {
      {Qt::green, 1, false}, {Qt::magenta, 0.5, false}, {Qt::blue, 0, false}, {Qt::red, 0, false}};
  const std::vector<SegmentArcs> arcs = scanRingArcs(four);
  ASSERT_EQ(arcs.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(arcs[i], segmentArcs(4, i, four[i].fill, four[i].warming)) << i;
}

}  // namespace
}  // namespace tidewell::screens
