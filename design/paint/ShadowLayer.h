#pragma once
// The one mechanism by which shadows are drawn outside a component's rect
// (see ShadowCaster). GUI thread only.

#include <QRegion>
#include <QWidget>

namespace tidewell::design {

class ShadowCaster;

namespace ShadowLayer {

// Marks widget as a shadow host: it must call paintCasters() in its
// paintEvent, after its background.
void makeHost(QWidget* widget);
bool isHost(const QWidget* widget);
// The nearest host above caster, or nullptr.
QWidget* hostOf(const QWidget* caster);

// Draws, under the painter's current transform (the host's coordinates),
// the shadows of every visible caster whose nearest host is host. dirty is
// the part being painted (the paint event's region, in the host's
// coordinates): casters whose shadow area lies wholly outside it are passed
// over, as nothing of them would show. Empty: every caster.
void paintCasters(QWidget* host, QPainter& painter, const QRegion& dirty = {});

// A caster calls this when its shadow changes (state, geometry, visibility)
// so the host repaints both the old and the new shadow area.
void refresh(QWidget* caster);

// Watches caster for moves, resizes, showing, hiding and re-parenting and
// refreshes its shadow then. Components call it once, in their constructor.
void track(QWidget* caster);

}  // namespace ShadowLayer

// A transparent container that is a shadow host.
class ShadowHost : public QWidget {
  Q_OBJECT
 public:
  explicit ShadowHost(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell::design
