#pragma once
// The look of a glow card, the rounded panel screens group content in: a
// glass variant (a faint translucent fill standing in for the blurred
// material, the card surface, a corner glow, a sheen, the dot block and a
// gradient rim) and a vivid one filled with the section's palette. Each
// casts two shadows: a dark drop and a coloured halo. Pure rules plus the
// paint functions.

#include <QColor>
#include <QRectF>
#include <array>
#include <optional>

#include "design/paint/Shadow.h"
#include "design/theme/SectionPalette.h"

class QPainter;

namespace tidewell::design {

struct GlowCardLook {
  double cornerRadius = 0;  // continuous corners
  double padding = 0;       // around the content on every side
  std::optional<QColor> glow =
      std::nullopt;       // glow and rim colour of the glass card; none: the accent's primary
  bool featured = false;  // a stronger glow, rim and halo (glass only)
  bool vivid = false;     // filled with the palette instead of glass
  bool operator==(const GlowCardLook&) const = default;
};

// The glass card's glow colour g: glow, or the accent's primary.
QColor glowCardGlow(const GlowCardLook& look, const SectionPalette& accent);

// The stand-in for the ultra-thin material (Qt cannot blur what lies
// behind a widget): white at 0.04.
QColor ultraThinMaterialFill();

struct GlassLevels {
  double cornerGlow;  // opacity of g at the top-trailing corner
  double rimStrong;   // of g where the rim starts (top-trailing)
  double rimWeak;     // of g where it ends (bottom-leading)
  double halo;        // of g in the outer halo
};
// Featured: 0.16, 0.55, 0.3, 0.16; plain: 0.09, 0.28, 0.1, 0.07.
GlassLevels glassLevels(bool featured);

// The two shadows, drop first: glass black 0.35 r16 (0, 9) and g at the
// halo level r30 (0, 6); vivid black 0.3 r16 (0, 9) and the accent's
// primary at 0.35 r34 (0, 8).
std::array<Shadow, 2> glowCardShadows(const GlowCardLook& look, const SectionPalette& accent);

void paintGlowCardShadows(QPainter& painter, const QRectF& rect, const GlowCardLook& look,
                          const SectionPalette& accent);
void paintGlowCardBackground(QPainter& painter, const QRectF& rect, const GlowCardLook& look,
                             const SectionPalette& accent);

}  // namespace tidewell::design
