#pragma once
// The progress ring of a Smart Scan: a circle cut into equal arcs, one per
// scan, each filled along its own length in its tool's colour (see
// SegmentArcs). Each segment draws a faint white track, and over it either
// the faint tint of a warming segment or its fill, glowing in its colour.
// Every stroke is lineWidth wide with round caps.
//
// The widget is as large as the circle plus the stroke (diameter +
// lineWidth each way); the fills' glows reach beyond it and are drawn by the
// nearest shadow host. New fills can move there over 0.45 s on an ease-out
// curve (standing at once under reduce motion). A centre widget sits in the
// middle. GUI thread only.

#include <QColor>
#include <QPointer>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "design/motion/Transition.h"
#include "design/paint/Shadow.h"
#include "design/paint/ShadowCaster.h"
#include "screens/smartscan/SegmentArcs.h"

class QPainter;

namespace tidewell::design {
class FrameTimer;
}

namespace tidewell::screens {

struct ScanRingSegment {
  QColor color;
  double fill = 0;       // filled fraction; above 1 drawn as 1, 0 or below draws nothing
  bool warming = false;  // drawn as a faint tint of the whole segment instead of its fill
  bool operator==(const ScanRingSegment&) const = default;
};

// The arcs of every segment, in order (empty for no segments).
std::vector<SegmentArcs> scanRingArcs(const std::vector<ScanRingSegment>& segments);

// A fill's glow: its colour at 0.45, radius 8, no offset.
design::Shadow scanRingFillShadow(const QColor& color);

// ringRect is the square of the stroked circle; strokes reach lineWidth / 2
// beyond it.
void paintScanRingShadows(QPainter& painter, const QRectF& ringRect,
                          const std::vector<ScanRingSegment>& segments, double lineWidth);
void paintScanRingBody(QPainter& painter, const QRectF& ringRect,
                       const std::vector<ScanRingSegment>& segments, double lineWidth);
void paintScanRing(QPainter& painter, const QRectF& ringRect, const std::vector<ScanRingSegment>& segments,
                   double lineWidth);

// How long a change of the fills takes on screen.
inline constexpr double kScanRingFillSeconds = 0.45;

class SegmentedScanRing : public QWidget, public design::ShadowCaster {
  Q_OBJECT
 public:
  SegmentedScanRing(double diameter, double lineWidth, QWidget* parent = nullptr);

  // The segments as last given.
  const std::vector<ScanRingSegment>& segments() const { return segments_; }
  // The segments as drawn now (fills part way while they move).
  std::vector<ScanRingSegment> shownSegments() const;
  // animated: the fills move from where they stand (unless motion is
  // reduced); otherwise, and when the number of segments changes, they
  // stand at once.
  void setSegments(std::vector<ScanRingSegment> segments, bool animated);
  bool isAnimating() const;

  // The widget shown centred in the ring (owned by the ring).
  void setCenter(QWidget* center);
  QWidget* center() const { return center_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRectF ringRect() const;
  void placeCenter();
  void onFrame();

  double diameter_;
  double lineWidth_;
  std::vector<ScanRingSegment> segments_;
  std::vector<design::Transition> fills_;
  design::FrameTimer* frames_;
  QPointer<QWidget> center_;
};

}  // namespace tidewell::screens
