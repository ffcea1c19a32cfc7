#include "design/paint/ShadowLayer.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QSet>
#include <QVariant>

#include "design/paint/ShadowCaster.h"

namespace tidewell::design {

namespace {

// The hosts, looked up on every frame for every caster: a set, not a
// property (a property lookup searches the class's properties by name).
QSet<const QWidget*>& hosts() {
  static QSet<const QWidget*> set;
  return set;
}
constexpr const char* kLastAreaProperty = "tidewellShadowArea";

const ShadowCaster* asCaster(const QWidget* widget) { return dynamic_cast<const ShadowCaster*>(widget); }

// Refreshes a caster's shadow when it, or any widget between it and its
// host, moves, resizes, shows, hides or changes parent.
class Tracker : public QObject {
 public:
  explicit Tracker(QWidget* caster) : QObject(caster), caster_(caster) { watchAncestors(); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
        ShadowLayer::refresh(caster_);
        break;
      case QEvent::ParentAboutToChange:
        // Clear the shadow where it was before the caster leaves its host.
        if (QWidget* host = ShadowLayer::hostOf(caster_))
          host->update(caster_->property(kLastAreaProperty).toRect());
        caster_->setProperty(kLastAreaProperty, QVariant());
        break;
      case QEvent::ParentChange:
        watchAncestors();
        ShadowLayer::refresh(caster_);
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void watchAncestors() {
    for (QObject* w : watched_) {
      if (w) w->removeEventFilter(this);
    }
    watched_.clear();
    QWidget* host = ShadowLayer::hostOf(caster_);
    for (QWidget* w = caster_; w && w != host; w = w->parentWidget()) {
      w->installEventFilter(this);
      watched_.append(w);
    }
  }

  QWidget* caster_;
  QList<QPointer<QObject>> watched_;
};

}  // namespace

namespace ShadowLayer {

void makeHost(QWidget* widget) {
  if (!widget || hosts().contains(widget)) return;
  hosts().insert(widget);
  QObject::connect(widget, &QObject::destroyed, widget, [widget] { hosts().remove(widget); });
}

bool isHost(const QWidget* widget) { return widget && hosts().contains(widget); }

QWidget* hostOf(const QWidget* caster) {
  for (QWidget* w = caster ? caster->parentWidget() : nullptr; w; w = w->parentWidget()) {
    if (isHost(w)) return w;
  }
  return nullptr;
}

void paintCasters(QWidget* host, QPainter& painter, const QRegion& dirty) {
  if (!host) return;
  for (QWidget* child : host->findChildren<QWidget*>()) {
    const ShadowCaster* caster = asCaster(child);
    if (!caster || hostOf(child) != host || !child->isVisibleTo(host)) continue;
    const QPoint at = child->mapTo(host, QPoint(0, 0));
    // A small repaint (a blob's frame) draws only the shadows it touches.
    if (!dirty.isEmpty() &&
        !dirty.intersects(caster->shadowArea().translated(at).toAlignedRect().adjusted(-1, -1, 1, 1)))
      continue;
    painter.save();
    painter.translate(at);
    caster->paintShadows(painter);
    painter.restore();
  }
}

void refresh(QWidget* caster) {
  const ShadowCaster* shadows = asCaster(caster);
  QWidget* host = hostOf(caster);
  if (!shadows || !host) return;
  const QRect old = caster->property(kLastAreaProperty).toRect();
  QRect area;
  if (caster->isVisibleTo(host)) {
    area = shadows->shadowArea()
               .translated(caster->mapTo(host, QPoint(0, 0)))
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1);
  }
  caster->setProperty(kLastAreaProperty, area);
  host->update(old.united(area));
}

void track(QWidget* caster) {
  if (caster) new Tracker(caster);
}

}  // namespace ShadowLayer

ShadowHost::ShadowHost(QWidget* parent) : QWidget(parent) { ShadowLayer::makeHost(this); }

void ShadowHost::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::design
