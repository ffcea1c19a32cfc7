#include "testkit/listener/AccessibleEventLog.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QMetaEnum>
#include <QObject>

namespace tidewell::testing {

namespace {

AccessibleEventLog* current = nullptr;

// Qt switches its accessibility on only when a bridge says an assistive
// technology listens; there is no public switch.
QPlatformAccessibility* platformAccessibility() {
  QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
  return integration ? integration->accessibility() : nullptr;
}

}  // namespace

AccessibleEventLog::AccessibleEventLog() {
  Q_ASSERT(!current);
  QPlatformAccessibility* accessibility = platformAccessibility();
  if (!accessibility) return;
  current = this;
  previous_ = QAccessible::installUpdateHandler(&AccessibleEventLog::record);
  accessibility->setActive(true);
  listening_ = true;
}

AccessibleEventLog::~AccessibleEventLog() {
  if (!listening_) return;
  if (QPlatformAccessibility* accessibility = platformAccessibility()) accessibility->setActive(false);
  QAccessible::installUpdateHandler(previous_);
  current = nullptr;
}

void AccessibleEventLog::record(QAccessibleEvent* event) {
  if (!current) return;
  HeardEvent heard;
  heard.type = event->type();
  heard.object = event->object();
  if (QAccessibleInterface* iface = event->accessibleInterface()) {
    heard.role = iface->role();
    heard.name = iface->text(QAccessible::Name);
    heard.description = iface->text(QAccessible::Description);
    heard.valueText = iface->text(QAccessible::Value);
    heard.state = iface->state();
    if (QAccessibleInterface* parent = iface->parent()) heard.parentObject = parent->object();
  }
  if (heard.type == QAccessible::ValueChanged)
    heard.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
  if (heard.type == QAccessible::StateChanged)
    heard.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
  current->events_.push_back(std::move(heard));
}

std::vector<HeardEvent> AccessibleEventLog::of(QAccessible::Event type, const QObject* object) const {
  std::vector<HeardEvent> found;
  for (const HeardEvent& e : events_) {
    if (e.type != type) continue;
    const bool about = e.object == object || (!e.object && e.parentObject == object);
    if (object && !about) continue;
    found.push_back(e);
  }
  return found;
}

const char* eventName(QAccessible::Event type) {
  static const QMetaEnum events = QMetaEnum::fromType<QAccessible::Event>();
  const char* name = events.valueToKey(type);
  return name ? name : "?";
}

}  // namespace tidewell::testing
