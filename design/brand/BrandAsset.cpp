#include "design/brand/BrandAsset.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

#include "design/brand/ResourceRoot.h"

namespace tidewell::design {

namespace {
QString candidate(const QString& root, const QString& folder, const QString& name, const QString& extension) {
  const QString path = folder.isEmpty() ? QStringLiteral("%1/%2.%3").arg(root, name, extension)
                                        : QStringLiteral("%1/%2/%3.%4").arg(root, folder, name, extension);
  return QFileInfo(path).isFile() ? path : QString();
}
}  // namespace

QString rawValue(BrandAsset asset) {
  return asset == BrandAsset::Wordmark ? QStringLiteral("logo-wordmark") : QStringLiteral("logo-mark");
}

std::optional<BrandAsset> brandAssetFromRawValue(const QString& text) {
  for (BrandAsset asset : {BrandAsset::Wordmark, BrandAsset::Mark}) {
    if (rawValue(asset) == text) return asset;
  }
  return std::nullopt;
}

QString brandSvgFile(BrandAsset asset, const QString& root) {
  if (root.isEmpty()) return {};
  const QString name = rawValue(asset);
  for (const QString& folder : {QStringLiteral("Logos"), QString()}) {
    if (QString found = candidate(root, folder, name, QStringLiteral("svg")); !found.isEmpty()) return found;
  }
  return {};
}

QString brandAssetFile(BrandAsset asset, const QString& root) {
  if (root.isEmpty()) return {};
  const QString name = rawValue(asset);
  for (const QString& extension : {QStringLiteral("svg"), QStringLiteral("png")}) {
    for (const QString& folder : {QStringLiteral("Logos"), QString()}) {
      if (QString found = candidate(root, folder, name, extension); !found.isEmpty()) return found;
    }
  }
  return {};
}

std::optional<BrandArtwork> BrandArtwork::loadFile(const QString& file) {
  if (file.isEmpty()) return std::nullopt;
  BrandArtwork artwork;
  artwork.file_ = file;
  if (file.endsWith(QLatin1String(".svg"))) {
    auto renderer = std::make_shared<QSvgRenderer>(file);
    if (!renderer->isValid()) return std::nullopt;
    artwork.svg_ = std::move(renderer);
  } else {
    artwork.image_ = QImage(file);
    if (artwork.image_.isNull()) return std::nullopt;
  }
  return artwork;
}

std::optional<BrandArtwork> BrandArtwork::load(BrandAsset asset, const QString& root) {
  return loadFile(brandAssetFile(asset, root));
}

double BrandArtwork::widthOverHeight() const {
  const QSizeF size = svg_ ? svg_->viewBoxF().size() : QSizeF(image_.size());
  if (size.width() <= 0 || size.height() <= 0) return 1.0;
  return size.width() / size.height();
}

void BrandArtwork::paint(QPainter& painter, const QRectF& rect) const {
  if (svg_) {
    svg_->render(&painter, rect);
  } else {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect, image_);
    painter.restore();
  }
}

std::optional<BrandArtwork> brandImage(BrandAsset asset) { return BrandArtwork::load(asset, resourceRoot()); }

}  // namespace tidewell::design
