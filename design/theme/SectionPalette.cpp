#include "design/theme/SectionPalette.h"

#include "design/theme/Color.h"

namespace tidewell::design {

namespace {
SectionPalette make(const Color::Components& primary, const Color::Components& soft,
                    const Color::Components& deep) {
  return {Color::rgb(primary), Color::rgb(soft), Color::rgb(deep)};
}
}  // namespace

const SectionPalette& SectionPalette::clean() {
  static const SectionPalette p = make(Color::kAccentGreen, {0.55, 0.96, 0.72}, {0.07, 0.48, 0.27});
  return p;
}
const SectionPalette& SectionPalette::deepScan() {
  static const SectionPalette p = make({0.30, 0.55, 1.00}, {0.56, 0.76, 1.00}, {0.10, 0.26, 0.66});
  return p;
}
const SectionPalette& SectionPalette::apps() {
  static const SectionPalette p = make({0.62, 0.45, 1.00}, {0.78, 0.67, 1.00}, {0.32, 0.19, 0.66});
  return p;
}
const SectionPalette& SectionPalette::advisor() {
  static const SectionPalette p = make({1.00, 0.72, 0.30}, {1.00, 0.85, 0.56}, {0.66, 0.42, 0.10});
  return p;
}
const SectionPalette& SectionPalette::devMode() {
  static const SectionPalette p = make({0.28, 0.82, 0.88}, {0.58, 0.93, 0.96}, {0.06, 0.42, 0.50});
  return p;
}
const SectionPalette& SectionPalette::performance() {
  static const SectionPalette p = make({0.18, 0.75, 0.63}, {0.56, 0.94, 0.84}, {0.06, 0.42, 0.36});
  return p;
}
const QColor& SectionPalette::accentGreen() {
  static const QColor c = clean().primary;
  return c;
}

}  // namespace tidewell::design
