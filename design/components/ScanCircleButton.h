#pragma once
// The large round start button of a scan, one widget: a faint filled
// circle, the dotted ring of 56 unlit dots, a wobbling glossy blob and the
// title under it, all in the section accent. Layout 224 x 224 around the
// 200-point circle; only the circle filling that square hovers and clicks.
// Hovering eases (0.2 s) the button to 104 % and lights a glow around it,
// drawn by the shadow host; the blob tilts only while the pointer is over
// the blob itself. Under reduce motion the blob stands still and hover
// changes take effect at once. Frames run only while shown. GUI thread
// only.

#include <QAbstractButton>
#include <QImage>

#include "design/motion/BlobMotion.h"
#include "design/motion/Transition.h"
#include "design/paint/PaintCache.h"
#include "design/paint/ShadowCaster.h"
#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::design {

class FrameTimer;

struct ScanCircleSnapshot {
  SymbolName symbol;
  QString title;
  SectionPalette accent;
  double hover = 0;    // 0 resting ... 1 hovered (eased)
  BlobTransform blob;  // the inner blob's motion
};

QFont scanCircleTitleFont();

// The hover glow around it: the button's resting picture blurred
// (radius 34) in the accent's primary, at the look's hover.
void paintScanCircleGlow(QPainter& painter, const QRectF& rect, const ScanCircleSnapshot& look);
// The area that glow may touch.
QRectF scanCircleGlowArea(const QRectF& rect);

class ScanCircleButton : public QAbstractButton, public ShadowCaster {
  Q_OBJECT
 public:
  // A click is reported by clicked().
  ScanCircleButton(SymbolName symbol, QString title, QWidget* parent = nullptr);

  bool isHovering() const { return hovering_; }
  bool isBlobHovering() const { return blobHovering_; }
  // What the pointer does; public so the look can be shown without one.
  void setHovering(bool hovering);
  void setBlobHovering(bool hovering);
  // The look at the clock's time.
  ScanCircleSnapshot currentSnapshot() const;
  bool isAnimating() const;

  QSize sizeHint() const override;
  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // A frame of the wobble (always false) or of a hover change; the blob's
  // wobble is shown in visible steps only, like GlossyBlob's.
  void onFrame(bool always);
  BlobTransform blobNow() const;
  void syncFrames();
  void followPointer(QPointF pos);

  SymbolName symbol_;
  bool hovering_ = false;
  bool blobHovering_ = false;
  Transition hover_;
  Transition blobHover_;
  FrameTimer* wobbleFrames_;
  FrameTimer* hoverFrames_;
  PaintCache ring_;
  BlobTransform shownBlob_;
};

}  // namespace tidewell::design
