#pragma once
// A widget's own painting kept as one premultiplied picture at the device
// pixel ratio, so that a repaint the widget did not cause (the backdrop
// drifting under it, a neighbour moving) only draws that picture: the
// widget's paintEvent hands its usual drawing to paint(), which runs it
// only when the size, the ratio or the key differ from the picture's, or
// after invalidate(). Glass, gradients and pictures are drawn source-over,
// and source-over is associative, so the picture drawn over a new backdrop
// gives the pixels the drawing itself would. Text is not: its edges are
// blended with the pixels under them (gamma-corrected where those are
// opaque), so text stays out of pictures and is drawn on every paint.
//
// The key (see PaintKey) is the widget's business: it folds in every input
// of the drawing that can change (values, hover and pressed state, colours
// read from the palette or the section accent). Children are not in the
// picture; they keep painting themselves. A picture that many widgets share
// by its look belongs in a PictureCache instead.
//
// Where a picture could not stand in for the drawing pixel for pixel (the
// painter is rotated, scaled unevenly, translated by part of a device
// pixel, or painting at reduced opacity) paint() draws directly. So it
// does where the painter scales beyond the device's pixel ratio (a widget
// rendered into an image of a higher ratio than its screen's): drawing
// code sizes its own pictures (symbols, glows) by the device's ratio, and
// only drawing directly gives what it would. A cache made to scale its
// picture there instead keeps it at the device's ratio, drawn scaled.
// GUI thread only.

#include <QImage>
#include <QSize>
#include <cstdint>
#include <functional>

class QPainter;

namespace tidewell::design {

class PaintCache {
 public:
  using Render = std::function<void(QPainter&)>;
  enum class Beyond { DrawDirectly, ScalePicture };

  explicit PaintCache(Beyond beyond = Beyond::DrawDirectly) : beyond_(beyond) {}

  // Draws the picture of an area of size at the painter's origin, first
  // rendering it with render (in the area's own coordinates, on a cleared
  // picture whose painter starts with this painter's pen, brush, font and
  // hints) when it is not valid for size, the painter's device pixel ratio
  // and key.
  void paint(QPainter& painter, QSize size, uint64_t key, const Render& render);

  bool valid(QSize size, double dpr, uint64_t key) const;
  // The next paint() renders again whatever the key says.
  void invalidate() { valid_ = false; }
  // Drops the picture (and its memory).
  void clear();

  // How often this cache, and every cache of the process, rendered.
  int renders() const { return renders_; }
  static int64_t totalRenders();

 private:
  Beyond beyond_;
  QImage picture_;
  QSize size_;
  double dpr_ = 0;
  uint64_t key_ = 0;
  bool valid_ = false;
  int renders_ = 0;
};

}  // namespace tidewell::design
