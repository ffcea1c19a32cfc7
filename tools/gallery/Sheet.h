#pragma once
// A gallery page: a dark image with a title, drawn at 2x so details show,
// saved as OUTDIR/name.png.

#include <QImage>
#include <QPainter>
#include <QString>

namespace tidewell::gallery {

class Sheet {
 public:
  Sheet(const QString& title, int width, int height);
  QPainter& painter() { return painter_; }
  // A small grey caption at (x, y) (top-left of its line).
  void caption(double x, double y, const QString& text);
  bool save(const QString& folder, const QString& name);

 private:
  QImage image_;
  QPainter painter_;
};

}  // namespace tidewell::gallery
