#include "design/paint/PaintKey.h"

namespace tidewell::design {

PaintKey& PaintKey::addBytes(const void* data, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) {
    hash_ ^= bytes[i];
    hash_ *= 1099511628211ull;
  }
  return *this;
}

PaintKey& PaintKey::add(const QString& text) {
  add(int64_t(text.size()));
  return addBytes(text.constData(), size_t(text.size()) * sizeof(QChar));
}

PaintKey& PaintKey::add(const QColor& colour) {
  const QRgba64 rgba = colour.isValid() ? colour.rgba64() : QRgba64::fromRgba64(0);
  add(colour.isValid());
  return add(int64_t(quint64(rgba)));
}

PaintKey& PaintKey::add(const QFont& font) { return add(font.key()); }

PaintKey& PaintKey::add(const SectionPalette& palette) {
  return add(palette.primary, palette.soft, palette.deep);
}

PaintKey& PaintKey::add(const QRectF& rect) { return add(rect.x(), rect.y(), rect.width(), rect.height()); }

PaintKey& PaintKey::add(double value) {
  if (value == 0) value = 0;  // -0 and 0 draw alike
  return addBytes(&value, sizeof value);
}

}  // namespace tidewell::design
