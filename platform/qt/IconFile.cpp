#include "platform/qt/IconFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <optional>
#include <string>

#include "platform/core/SmallFile.h"

namespace tidewell::platform {

namespace {

constexpr int kMaxSubImages = 32;

}  // namespace

bool isAcceptableIconName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QChar(u'\0'));
}

QImage squareIcon(const QImage& image, int pixels) {
  if (image.isNull() || pixels <= 0) return {};
  const QImage scaled = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QImage square(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  square.fill(Qt::transparent);
  QPainter painter(&square);
  painter.drawImage((pixels - scaled.width()) / 2, (pixels - scaled.height()) / 2, scaled);
  return square;
}

QImage readIconImage(const QString& file, int pixels) {
  // Read whole through the small-file reader, so the file judged regular
  // is the one read: a FIFO swapped in after a check is not waited on.
  const std::optional<std::string> bytes =
      readSmallFile(QFile::encodeName(file).toStdString(), kMaxIconFileBytes);
  if (!bytes) return {};
  QByteArray data = QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size()));
  QBuffer device(&data);
  device.open(QIODevice::ReadOnly);
  QImageReader reader(&device);
  reader.setDecideFormatFromContent(true);
  if (reader.format().startsWith("svg")) {
    // Vector art is drawn at the size wanted, not scaled up from its own.
    QSize size = reader.size();
    if (size.isValid() && !size.isEmpty()) {
      size.scale(pixels, pixels, Qt::KeepAspectRatio);
      reader.setScaledSize(size);
    }
    return squareIcon(reader.read(), pixels);
  }
  const int count = std::min(reader.imageCount(), kMaxSubImages);
  if (count <= 1) return squareIcon(reader.read(), pixels);
  // Several sizes (an .icns): the smallest at least pixels wide, else the largest.
  QImage best;
  for (int i = 0; i < count; ++i) {
    if (!reader.jumpToImage(i)) break;
    const QImage candidate = reader.read();
    if (candidate.isNull()) continue;
    const int side = std::max(candidate.width(), candidate.height());
    const int bestSide = best.isNull() ? 0 : std::max(best.width(), best.height());
    const bool better =
        best.isNull() || (bestSide < pixels ? side > bestSide : side >= pixels && side < bestSide);
    if (better) best = candidate;
  }
  return squareIcon(best, pixels);
}

}  // namespace tidewell::platform
