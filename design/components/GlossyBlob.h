#pragma once
// A glossy, gently wobbling icon tile: a rounded square in the palette's
// soft-primary-deep gradient with a gloss spot, a rim and a white symbol,
// glowing in the primary colour. The tile and its glow are rendered once
// into a pixmap twice the tile's side; each frame only transforms it.
//
// The picture reaches half a side beyond the tile's layout cell (the glow,
// and the corners while it tilts), so under a shadow host the host draws
// it, as with every out-of-cell drawing (ShadowLayer); without a host the
// tile draws it inside its own rect.
//
// Motion: the wobble (on the ambient frames, phase from the symbol, time from
// the shared AnimationClock, so equal symbols wobble in step) and the hover
// tilt on a spring (60 frames a second while it moves). Under reduce motion the tile neither wobbles nor
// reacts to hover. Frames run only while the tile is shown. GUI thread only.

#include <QPixmap>
#include <QWidget>

#include "design/motion/BlobMotion.h"
#include "design/motion/Transition.h"
#include "design/paint/ShadowCaster.h"
#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::design {

class FrameTimer;

// The tile's corner radius (0.3 of the side) and its glow: primary at
// 0.38, radius 0.28 of the side, 4 down.
inline double glossyBlobRadius(double size) { return 0.3 * size; }

// The flattened tile: side 2 x size, the tile centred; cached per symbol,
// palette, size and device pixel ratio.
QPixmap glossyBlobPixmap(const SymbolName& symbol, const SectionPalette& palette, double size, double dpr);

// Draws the flattened tile centred on centre under transform (about that
// centre), at the painter device's pixel ratio.
void paintGlossyBlob(QPainter& painter, QPointF centre, const SymbolName& symbol,
                     const SectionPalette& palette, double size, const BlobTransform& transform = {});

// The area the flattened tile covers under transform.
QRectF glossyBlobArea(QPointF centre, double size, const BlobTransform& transform);

class GlossyBlob : public QWidget, public ShadowCaster {
  Q_OBJECT
 public:
  // Layout size: size x size.
  GlossyBlob(SymbolName symbol, SectionPalette palette, double size, bool wobbles, QWidget* parent = nullptr);

  const SymbolName& symbol() const { return symbol_; }
  bool wobbles() const { return wobbles_; }
  bool isHovering() const { return hovering_; }
  // What the pointer does; public so the look can be shown without one.
  void setHovering(bool hovering);
  // Where the tile stands now (clock time, hover spring, reduce motion).
  BlobTransform currentTransform() const;
  // The transform drawn: while the wobble runs, that of the frame on
  // screen, which moves on only in visible steps (kVisibleBlobStep); the
  // current one otherwise.
  BlobTransform shownTransform() const;
  // Whether frames are being drawn.
  bool isAnimating() const;

  QSize sizeHint() const override;
  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // A frame of the wobble (always false) or of a hover change: shows the
  // current transform when it moved visibly or always.
  void onFrame(bool always);
  void syncFrames();

  SymbolName symbol_;
  SectionPalette palette_;
  double size_;
  bool wobbles_;
  bool hovering_ = false;
  Transition hover_;
  FrameTimer* wobbleFrames_;
  FrameTimer* hoverFrames_;
  BlobTransform shown_;
};

}  // namespace tidewell::design
