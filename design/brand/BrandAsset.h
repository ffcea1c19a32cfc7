#pragma once
// The product's logo artwork among the resources, and its lookup: for a
// name, the svg in "Logos", the svg at the root, the png in "Logos", the png
// at the root; the first file found wins, and if it cannot be decoded the
// artwork is absent (later candidates are not tried).

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

class QPainter;
class QSvgRenderer;

namespace tidewell::design {

enum class BrandAsset { Wordmark, Mark };

// "logo-wordmark", "logo-mark".
QString rawValue(BrandAsset asset);
// The case whose raw value is exactly text, else none.
std::optional<BrandAsset> brandAssetFromRawValue(const QString& text);

// The first existing candidate file under root, or an empty string.
QString brandAssetFile(BrandAsset asset, const QString& root);
// The svg candidates only ("Logos", then the root); for the tray icon.
QString brandSvgFile(BrandAsset asset, const QString& root);

// Decoded artwork: an svg drawing or a png image.
class BrandArtwork {
 public:
  // Loads the file brandAssetFile() finds; none when nothing is found or the
  // file cannot be decoded.
  static std::optional<BrandArtwork> load(BrandAsset asset, const QString& root);
  static std::optional<BrandArtwork> loadFile(const QString& file);

  const QString& file() const { return file_; }
  bool isSvg() const { return svg_ != nullptr; }
  // Width over height of the artwork (1 when it has no size).
  double widthOverHeight() const;
  // Draws the artwork stretched to rect.
  void paint(QPainter& painter, const QRectF& rect) const;

 private:
  QString file_;
  std::shared_ptr<QSvgRenderer> svg_;
  QImage image_;
};

// BrandArtwork::load over resourceRoot().
std::optional<BrandArtwork> brandImage(BrandAsset asset);

}  // namespace tidewell::design
