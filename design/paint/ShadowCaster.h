#pragma once
// Shadows and glows that reach beyond a widget's own rect. Qt clips a
// widget's painting to its rect, so a component never draws its own
// outer shadow: it is a ShadowCaster, and its nearest ancestor that is a
// shadow host (ShadowLayer::makeHost; ShadowHost is a ready-made one)
// draws the shadows of its casters after its own background and before its
// children, so they sit under every child and are never clipped by a
// layout cell. A caster with no host draws its shadows itself, inside its
// own rect.
//
// Every container that paints an opaque background (the window backdrop, a
// card, a scroll area's content) must be a host, or its background would
// cover the shadows of what it holds.

#include <QRectF>

class QPainter;
class QWidget;

namespace tidewell::design {

class ShadowCaster {
 public:
  virtual ~ShadowCaster() = default;
  // Draws the caster's shadows in its own coordinates.
  virtual void paintShadows(QPainter& painter) const = 0;
  // The area those shadows may touch, in the caster's own coordinates.
  virtual QRectF shadowArea() const = 0;
};

}  // namespace tidewell::design
