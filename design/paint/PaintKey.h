#pragma once
// A fingerprint of everything a picture depends on (its text, colours,
// font, state), for a widget's own PaintCache, which adds the size and
// device pixel ratio itself, and for a shared PictureCache, whose key holds
// them too: equal inputs give equal keys, and a change of any input added
// gives another key (64-bit FNV-1a over the values' bytes, so collisions
// are negligible). Cheap enough to build on every paint.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <optional>
#include <type_traits>

#include "design/theme/SectionPalette.h"

namespace tidewell::design {

class PaintKey {
 public:
  PaintKey& add(const QString& text);
  PaintKey& add(const QColor& colour);
  PaintKey& add(const QFont& font);
  PaintKey& add(const SectionPalette& palette);
  PaintKey& add(const QRectF& rect);
  PaintKey& add(double value);
  PaintKey& add(bool value) { return addBytes(&value, sizeof value); }
  // Not a text: a pointer would silently turn into a bool.
  PaintKey& add(const char*) = delete;
  PaintKey& add(int64_t value) { return addBytes(&value, sizeof value); }
  template <typename T>
  requires std::is_integral_v<T> || std::is_enum_v<T> PaintKey& add(T value) { return add(int64_t(value)); }
  template <typename T>
  PaintKey& add(const std::optional<T>& value) {
    add(value.has_value());
    return value ? add(*value) : *this;
  }
  template <typename First, typename... Rest>
  PaintKey& add(const First& first, const Rest&... rest) requires(sizeof...(Rest) > 0) {
    add(first);
    return add(rest...);
  }

  uint64_t value() const { return hash_; }
  operator uint64_t() const { return hash_; }

 private:
  PaintKey& addBytes(const void* data, size_t size);
  uint64_t hash_ = 14695981039346656037ull;
};

}  // namespace tidewell::design
