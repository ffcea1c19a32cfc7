#include "design/accessibility/AccessibleTraits.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "base/ByteCountText.h"
#include "design/accessibility/PaintedAccessible.h"
#include "design/accessibility/ValueAnnouncer.h"

namespace tidewell::design {

namespace {

// Owned by the widget, so the traits go with it.
class TraitsHolder : public QObject {
 public:
  explicit TraitsHolder(QWidget* widget) : QObject(widget) { setObjectName(kName); }
  static constexpr const char* kName = "tidewellAccessibleTraits";
  AccessibleTraits traits;
};

TraitsHolder* holderOf(const QWidget* widget) {
  if (!widget) return nullptr;
  return widget->findChild<TraitsHolder*>(QLatin1String(TraitsHolder::kName), Qt::FindDirectChildrenOnly);
}

// Ours: every widget with traits; below them, our buttons and plain
// widgets (where Qt has no interface of its own for the class), so that
// decorations are left out wherever they sit. Installed after Qt's own
// factory (which comes with the QApplication), so it is asked first.
QAccessibleInterface* painted(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (holderOf(widget) || className == QLatin1String("QAbstractButton") ||
      className == QLatin1String("QWidget"))
    return new PaintedAccessible(widget);
  return nullptr;
}

void send(QAccessibleInterface* iface, QAccessible::Event type) {
  if (!iface) return;
  QAccessibleEvent event(iface, type);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

GaugeReading percentReading(double fraction) {
  const int percent = std::clamp(base::wholePercent(fraction), 0, 100);
  return {percent, QString::number(percent) + QLatin1Char('%')};
}

void installAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(painted);
  // Widgets made before (the one whose constructor asks, its parents) may
  // hold Qt's own interfaces already, made when a constructor announced a
  // text: drop those, so ours are made when next asked. Once per process,
  // over the few widgets there are so far.
  for (QWidget* widget : QApplication::allWidgets()) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && !dynamic_cast<PaintedAccessible*>(iface))
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
  }
}

AccessibleTraits& accessibleTraits(QWidget* widget) {
  installAccessibility();
  TraitsHolder* holder = holderOf(widget);
  if (!holder) holder = new TraitsHolder(widget);
  return holder->traits;
}

const AccessibleTraits* findAccessibleTraits(const QWidget* widget) {
  const TraitsHolder* holder = holderOf(widget);
  return holder ? &holder->traits : nullptr;
}

void setAccessibleReading(QWidget* widget, std::function<GaugeReading()> reading) {
  accessibleTraits(widget).reading = std::move(reading);
  ValueAnnouncer::of(widget);
}

void setHiddenFromAccessibility(QWidget* widget, bool hidden) { accessibleTraits(widget).hidden = hidden; }

bool isHiddenFromAccessibility(const QWidget* widget) {
  const AccessibleTraits* traits = findAccessibleTraits(widget);
  return traits && traits->hidden;
}

void accessibleNameChanged(QWidget* widget) {
  if (!QAccessible::isActive() || !widget) return;
  QAccessibleEvent event(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void accessibleCheckChanged(QWidget* widget) {
  if (!QAccessible::isActive() || !widget) return;
  QAccessible::State changed;
  changed.checked = true;
  changed.checkStateMixed = true;
  QAccessibleStateChangeEvent event(widget, changed);
  QAccessible::updateAccessibility(&event);
  // A tab is selected while checked; the AT-SPI bridge tells a selection
  // only by these.
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  if (iface && iface->state().selectable)
    send(iface, iface->state().selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
}

void accessibleValueChanged(QWidget* widget) {
  if (!QAccessible::isActive() || !widget) return;
  if (ValueAnnouncer* announcer = ValueAnnouncer::find(widget)) announcer->changed();
}

void accessibleChoiceChanged(QWidget* control, int previous) {
  if (!QAccessible::isActive() || !control) return;
  auto* iface = dynamic_cast<PaintedAccessible*>(QAccessible::queryAccessibleInterface(control));
  const AccessibleTraits* traits = findAccessibleTraits(control);
  if (!iface || !traits || !traits->choices || !traits->choices->current) return;
  const int current = traits->choices->current();
  if (current == previous) return;
  send(iface->choice(previous), QAccessible::SelectionRemove);
  QAccessibleInterface* chosen = iface->choice(current);
  send(chosen, QAccessible::SelectionAdd);
  if (control->hasFocus()) send(chosen, QAccessible::Focus);
}

void accessibleAlertShown(QWidget* widget) {
  if (!QAccessible::isActive() || !widget || isHiddenFromAccessibility(widget)) return;
  QAccessibleEvent alert(widget, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void accessibleAlertChanged(QWidget* widget) {
  if (!QAccessible::isActive() || !widget || !widget->isVisible() || isHiddenFromAccessibility(widget))
    return;
  accessibleAlertShown(widget);
  QAccessibleEvent showing(widget, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&showing);
}

}  // namespace tidewell::design
