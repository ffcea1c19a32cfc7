#include "design/symbols/Symbol.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgRenderer>
#include <cmath>
#include <memory>

#include "design/paint/PaintKey.h"
#include "design/paint/PictureCache.h"

namespace tidewell::design {

namespace {

constexpr double kGlyphUnits = 256.0;  // the glyphs' view box

QSvgRenderer* rendererFor(const QString& path) {
  static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
  auto it = renderers.find(path);
  if (it == renderers.end()) it = renderers.insert(path, std::make_shared<QSvgRenderer>(path));
  return it.value()->isValid() ? it.value().get() : nullptr;
}

QPixmap renderGlyph(const QString& path, int side, const QColor& colour, double dpr) {
  QSvgRenderer* renderer = rendererFor(path);
  if (!renderer || side <= 0) return {};
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer->render(&p, QRectF(0, 0, side, side));
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), colour);
  }
  QPixmap pixmap = QPixmap::fromImage(std::move(image));
  pixmap.setDevicePixelRatio(dpr);
  return pixmap;
}

// The glyph as a tinted pixmap of side pixels (device pixels); colours that
// agree to eight bits a channel share one.
QPixmap tintedGlyph(const QString& path, int side, const QColor& colour, double dpr) {
  static PictureCache<QPixmap> cache(4 * 1024 * 1024);  // bytes
  return cache.picture(PaintKey().add(path, side, colour.rgba(), dpr),
                       [&] { return renderGlyph(path, side, colour, dpr); });
}

// Highlight layers in glyph units. Only "sparkles" is layered: the big
// star, the cross at the top right and the small plus at the right.
std::vector<QPainterPath> layersOf(const QString& name) {
  if (name != QLatin1String("sparkles")) return {};
  QPainterPath all;
  all.addRect(0, 0, kGlyphUnits, kGlyphUnits);
  QPainterPath cross;
  cross.addPolygon(QPolygonF({{136, 0}, {256, 0}, {256, 8}, {180, 84}, {136, 84}}));
  cross.closeSubpath();
  QPainterPath plus;
  plus.addPolygon(QPolygonF({{186, 78}, {256, 8}, {256, 124}, {186, 124}}));
  plus.closeSubpath();
  return {all.subtracted(cross).subtracted(plus), cross, plus};
}

}  // namespace

double symbolSide(double fontSize) { return 1.15 * fontSize; }

QRectF symbolBox(QPointF centre, double fontSize) {
  const double side = symbolSide(fontSize);
  return QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side);
}

int symbolLayerCount(const SymbolName& name) {
  const auto layers = layersOf(name.text());
  return layers.empty() ? 1 : int(layers.size());
}

bool drawSymbol(QPainter& painter, const SymbolName& name, const QRectF& rect, FontWeight textWeight,
                const QColor& colour, const SymbolFrame& frame) {
  const QString path = symbolResourcePath(name.text(), textWeight);
  if (path.isEmpty() || !rendererFor(path)) return false;
  const double side = std::min(rect.width(), rect.height());
  if (side <= 0 || frame.opacity <= 0) return true;
  const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const double scaleOfPainter = std::sqrt(std::abs(painter.worldTransform().determinant()));
  const int pixels = int(std::ceil(side * frame.scale * dpr * std::max(1.0, scaleOfPainter)));
  const QPixmap glyph = tintedGlyph(path, pixels, colour, dpr * std::max(1.0, scaleOfPainter));
  if (glyph.isNull()) return false;

  const QPointF centre = rect.center();
  const double drawn = side * frame.scale;
  const QRectF target(centre.x() - drawn / 2, centre.y() - drawn / 2, drawn, drawn);

  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const double baseOpacity = painter.opacity() * frame.opacity;
  const std::vector<QPainterPath> layers = layersOf(name.text());
  if (layers.empty() || frame.layerOpacity.empty()) {
    painter.setOpacity(baseOpacity);
    painter.drawPixmap(target, glyph, QRectF(glyph.rect()));
  } else {
    QTransform toTarget;
    toTarget.translate(target.left(), target.top());
    toTarget.scale(drawn / kGlyphUnits, drawn / kGlyphUnits);
    for (size_t i = 0; i < layers.size(); ++i) {
      const double layerOpacity = i < frame.layerOpacity.size() ? frame.layerOpacity[i] : 1.0;
      painter.save();
      painter.setClipPath(toTarget.map(layers[i]), Qt::IntersectClip);
      painter.setOpacity(baseOpacity * layerOpacity);
      painter.drawPixmap(target, glyph, QRectF(glyph.rect()));
      painter.restore();
    }
  }
  painter.restore();
  return true;
}

}  // namespace tidewell::design
