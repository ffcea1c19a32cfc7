#pragma once
// A section's three colours. Every screen and component reads the palette
// of the section it is shown in (see SectionAccent); the six palettes are
// built once on first use (thread-safe).

#include <QColor>
#include <QMetaType>

namespace tidewell::design {

struct SectionPalette {
  QColor primary;  // main accent: icons, strokes, filled controls
  QColor soft;     // lighter tint: highlights, gradient tops
  QColor deep;     // darker shade: gradient bottoms, shadows

  bool operator==(const SectionPalette& other) const {
    return primary == other.primary && soft == other.soft && deep == other.deep;
  }

  static const SectionPalette& clean();        // green: Home, Clean, the default
  static const SectionPalette& deepScan();     // blue
  static const SectionPalette& apps();         // purple
  static const SectionPalette& advisor();      // orange
  static const SectionPalette& devMode();      // cyan
  static const SectionPalette& performance();  // mint
  // The clean palette's primary.
  static const QColor& accentGreen();
};

}  // namespace tidewell::design

Q_DECLARE_METATYPE(tidewell::design::SectionPalette)
