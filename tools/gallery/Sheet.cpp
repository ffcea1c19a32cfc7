#include "Sheet.h"

#include <QDir>

#include "design/theme/Color.h"
#include "design/type/InterFont.h"

namespace tidewell::gallery {

using namespace tidewell::design;

Sheet::Sheet(const QString& title, int width, int height)
    : image_(width * 2, height * 2, QImage::Format_ARGB32_Premultiplied) {
  image_.setDevicePixelRatio(2.0);
  image_.fill(Color::appBackground());
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setFont(inter(15, FontWeight::Semibold));
  painter_.setPen(Qt::white);
  painter_.drawText(QPointF(16, 26), title);
}

void Sheet::caption(double x, double y, const QString& text) {
  painter_.save();
  painter_.setFont(inter(10, FontWeight::Regular));
  painter_.setPen(Color::secondaryText());
  painter_.drawText(QRectF(x, y, 2000, 14), Qt::AlignLeft | Qt::AlignTop, text);
  painter_.restore();
}

bool Sheet::save(const QString& folder, const QString& name) {
  painter_.end();
  return image_.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace tidewell::gallery
