#include "design/accessibility/PaintedAccessible.h"

#include <QAbstractButton>
#include <QVariant>
#include <algorithm>
#include <functional>

#include "design/accessibility/AccessibleChoice.h"
#include "design/accessibility/AccessibleTraits.h"

namespace tidewell::design {

namespace {

QAbstractButton* asButton(QWidget* widget) { return qobject_cast<QAbstractButton*>(widget); }

QString stringProperty(const QWidget* widget, const char* name) {
  const QVariant value = widget->property(name);
  return value.canConvert<QString>() ? value.toString() : QString();
}

}  // namespace

PaintedAccessible::PaintedAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

PaintedAccessible::~PaintedAccessible() {
  for (QAccessible::Id id : choices_) QAccessible::deleteAccessibleInterface(id);
}

const AccessibleTraits* PaintedAccessible::traits() const { return findAccessibleTraits(widget()); }

bool PaintedAccessible::isControlRole(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Link:
    case QAccessible::ListItem:
    case QAccessible::MenuItem:
      return true;
    default:
      return false;
  }
}

QAccessible::Role PaintedAccessible::role() const {
  const AccessibleTraits* t = traits();
  if (t && t->role != QAccessible::NoRole) return t->role;
  if (QAbstractButton* button = asButton(widget())) {
    if (button->isCheckable())
      return button->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    return QAccessible::Button;
  }
  if (t && t->checked) return QAccessible::CheckBox;
  if (t && t->reading) return QAccessible::ProgressBar;
  if (t && t->choices) return QAccessible::PageTabList;
  if (t && t->press) return QAccessible::Button;
  if (widget()->isWindow()) return QAccessible::Window;
  return QAccessible::Client;
}

QString PaintedAccessible::text(QAccessible::Text t) const {
  const AccessibleTraits* traits = this->traits();
  QWidget* w = widget();
  switch (t) {
    case QAccessible::Name: {
      if (traits && traits->name) {
        const QString name = traits->name();
        if (!name.isEmpty()) return name;
      }
      if (!w->accessibleName().isEmpty()) return w->accessibleName();
      QString name = asButton(w) ? asButton(w)->text() : stringProperty(w, "text");
      if (name.isEmpty()) name = stringProperty(w, "title");
      if (name.isEmpty() && w->isWindow()) name = w->windowTitle();
      if (name.isEmpty() && isControlRole(role())) name = contentName();
      return name;
    }
    case QAccessible::Description: {
      if (traits && traits->description) {
        const QString description = traits->description();
        if (!description.isEmpty()) return description;
      }
      if (!w->accessibleDescription().isEmpty()) return w->accessibleDescription();
      const QString subtitle = stringProperty(w, "subtitle");
      return subtitle.isEmpty() ? w->toolTip() : subtitle;
    }
    case QAccessible::Value:
      if (traits && traits->reading) return traits->reading().text;
      return QAccessibleWidget::text(t);
    default:
      return QAccessibleWidget::text(t);
  }
}

QAccessible::State PaintedAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  const AccessibleTraits* t = traits();
  if (t && t->hidden) state.invisible = true;
  if (QAbstractButton* button = asButton(widget())) {
    if (button->isCheckable()) {
      state.checkable = true;
      state.checked = button->isChecked();
    }
    if (button->isDown()) state.pressed = true;
  }
  if (t && t->checked) {
    const Qt::CheckState check = t->checked();
    state.checkable = true;
    state.checked = check == Qt::Checked;
    state.checkStateMixed = check == Qt::PartiallyChecked;
    if (role() == QAccessible::PageTab) {
      state.selectable = true;
      state.selected = state.checked;
    }
  }
  return state;
}

QList<QWidget*> PaintedAccessible::listedChildren() const {
  QList<QWidget*> listed;
  for (QObject* object : widget()->children()) {
    if (!object->isWidgetType()) continue;
    auto* child = static_cast<QWidget*>(object);
    if (child->isWindow() || isHiddenFromAccessibility(child)) continue;
    listed.append(child);
  }
  return listed;
}

int PaintedAccessible::choiceCount() const {
  const AccessibleTraits* t = traits();
  if (!t || !t->choices || !t->choices->titles) return 0;
  return int(t->choices->titles().size());
}

int PaintedAccessible::childCount() const { return int(listedChildren().size()) + choiceCount(); }

QAccessibleInterface* PaintedAccessible::child(int index) const {
  const QList<QWidget*> listed = listedChildren();
  if (index < 0) return nullptr;
  if (index < listed.size()) return QAccessible::queryAccessibleInterface(listed[index]);
  return choice(index - int(listed.size()));
}

QAccessibleInterface* PaintedAccessible::choice(int index) const {
  if (index < 0 || index >= choiceCount()) return nullptr;
  while (int(choices_.size()) <= index) {
    auto* item = new AccessibleChoice(widget(), int(choices_.size()));
    choices_.push_back(QAccessible::registerAccessibleInterface(item));
  }
  return QAccessible::accessibleInterface(choices_[index]);
}

int PaintedAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child) return -1;
  const QList<QWidget*> listed = listedChildren();
  if (QObject* object = child->object()) {
    if (!object->isWidgetType()) return -1;
    return int(listed.indexOf(static_cast<QWidget*>(object)));
  }
  const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
  const auto at = std::find(choices_.begin(), choices_.end(), id);
  if (at == choices_.end() || int(at - choices_.begin()) >= choiceCount()) return -1;
  return int(listed.size()) + int(at - choices_.begin());
}

QAccessibleInterface* PaintedAccessible::focusChild() const {
  const AccessibleTraits* t = traits();
  if (t && t->choices && t->choices->current && widget()->hasFocus()) {
    const int current = t->choices->current();
    if (current >= 0 && current < choiceCount()) return child(int(listedChildren().size()) + current);
  }
  return QAccessibleWidget::focusChild();
}

void* PaintedAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::ValueInterface) {
    const AccessibleTraits* traits = this->traits();
    return traits && traits->reading ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
  }
  return QAccessibleWidget::interface_cast(t);
}

QStringList PaintedAccessible::actionNames() const {
  QStringList names = QAccessibleWidget::actionNames();
  const AccessibleTraits* t = traits();
  const bool pressable = (t && t->press) || asButton(widget());
  if (!pressable || !widget()->isEnabled()) return names;
  names.prepend(pressAction());
  if (state().checkable) names.append(toggleAction());
  return names;
}

void PaintedAccessible::doAction(const QString& actionName) {
  if (!widget()->isEnabled()) return;
  if (actionName == pressAction() || actionName == toggleAction()) return press();
  QAccessibleWidget::doAction(actionName);
}

QStringList PaintedAccessible::keyBindingsForAction(const QString& actionName) const {
  if (actionName == pressAction()) return {QStringLiteral("Space")};
  return QAccessibleWidget::keyBindingsForAction(actionName);
}

void PaintedAccessible::press() {
  const AccessibleTraits* t = traits();
  if (t && t->press) return t->press();
  if (QAbstractButton* button = asButton(widget())) button->click();
}

QString PaintedAccessible::contentName() const {
  QStringList parts;
  std::function<void(QWidget*)> collect = [&](QWidget* parent) {
    for (QObject* object : parent->children()) {
      if (!object->isWidgetType()) continue;
      auto* child = static_cast<QWidget*>(object);
      if (child->isWindow() || child->isHidden() || isHiddenFromAccessibility(child)) continue;
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
      if (!iface) continue;
      if (iface->role() == QAccessible::StaticText) {
        const QString name = iface->text(QAccessible::Name);
        if (!name.isEmpty()) parts.append(name);
      } else if (!isControlRole(iface->role())) {
        collect(child);
      }
    }
  };
  collect(widget());
  return parts.join(QStringLiteral(", "));
}

QVariant PaintedAccessible::currentValue() const {
  const AccessibleTraits* t = traits();
  return t && t->reading ? QVariant(t->reading().percent) : QVariant();
}

void PaintedAccessible::setCurrentValue(const QVariant&) {}

QVariant PaintedAccessible::maximumValue() const { return 100; }

QVariant PaintedAccessible::minimumValue() const { return 0; }

QVariant PaintedAccessible::minimumStepSize() const { return 1; }

}  // namespace tidewell::design
