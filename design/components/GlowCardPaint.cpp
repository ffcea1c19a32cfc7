#include "design/components/GlowCardPaint.h"

#include <QPainter>

#include "design/paint/DotTexture.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/theme/Gradients.h"

namespace tidewell::design {

QColor glowCardGlow(const GlowCardLook& look, const SectionPalette& accent) {
  return look.glow ? *look.glow : accent.primary;
}

QColor ultraThinMaterialFill() { return Color::white(0.04); }

GlassLevels glassLevels(bool featured) {
  if (featured) return {0.16, 0.55, 0.3, 0.16};
  return {0.09, 0.28, 0.1, 0.07};
}

std::array<Shadow, 2> glowCardShadows(const GlowCardLook& look, const SectionPalette& accent) {
  if (look.vivid) {
    return {Shadow{QColor::fromRgbF(0, 0, 0, 0.3), 16, QPointF(0, 9)},
            Shadow{Color::withOpacity(accent.primary, 0.35), 34, QPointF(0, 8)}};
  }
  return {Shadow{QColor::fromRgbF(0, 0, 0, 0.35), 16, QPointF(0, 9)},
          Shadow{Color::withOpacity(glowCardGlow(look, accent), glassLevels(look.featured).halo), 30,
                 QPointF(0, 6)}};
}

void paintGlowCardShadows(QPainter& painter, const QRectF& rect, const GlowCardLook& look,
                          const SectionPalette& accent) {
  const QPainterPath shape = continuousRoundedRect(rect, look.cornerRadius);
  for (const Shadow& shadow : glowCardShadows(look, accent)) drawShadow(painter, shape, shadow);
}

namespace {

void paintGlass(QPainter& painter, const QRectF& rect, const GlowCardLook& look,
                const SectionPalette& accent) {
  const QPainterPath shape = continuousRoundedRect(rect, look.cornerRadius);
  const QColor g = glowCardGlow(look, accent);
  const GlassLevels levels = glassLevels(look.featured);
  painter.fillPath(shape, ultraThinMaterialFill());
  painter.fillPath(shape, Color::withOpacity(Color::cardSurface(), 0.62));
  painter.fillPath(shape, radialGradient(rect, UnitPoint::topTrailing(), 0, 380,
                                         {{0.0, Color::withOpacity(g, levels.cornerGlow)},
                                          {1.0, Color::withOpacity(g, 0.0)}}));
  painter.fillPath(shape, linearGradient(rect, UnitPoint::top(), UnitPoint::center(),
                                         {{0.0, Color::white(0.05)}, {1.0, Color::white(0.0)}}));
  painter.save();
  painter.setClipPath(shape, Qt::IntersectClip);
  paintDotTexture(painter, rect);
  painter.restore();
  strokeInside(painter, rect, look.cornerRadius, 1,
               linearGradient(rect, UnitPoint::topTrailing(), UnitPoint::bottomLeading(),
                              evenStops({Color::withOpacity(g, levels.rimStrong), Color::white(0.07),
                                         Color::withOpacity(g, levels.rimWeak)})));
}

void paintVivid(QPainter& painter, const QRectF& rect, const GlowCardLook& look,
                const SectionPalette& accent) {
  const QPainterPath shape = continuousRoundedRect(rect, look.cornerRadius);
  painter.fillPath(shape, linearGradient(rect, UnitPoint::topLeading(), UnitPoint::bottomTrailing(),
                                         evenStops({accent.soft, accent.primary, accent.deep})));
  painter.fillPath(shape, radialGradient(rect, UnitPoint::topLeading(), 0, 320,
                                         {{0.0, Color::white(0.3)}, {1.0, Color::white(0.0)}}));
  strokeInside(painter, rect, look.cornerRadius, 1, Color::white(0.3));
}

}  // namespace

void paintGlowCardBackground(QPainter& painter, const QRectF& rect, const GlowCardLook& look,
                             const SectionPalette& accent) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (look.vivid)
    paintVivid(painter, rect, look, accent);
  else
    paintGlass(painter, rect, look, accent);
  painter.restore();
}

}  // namespace tidewell::design
