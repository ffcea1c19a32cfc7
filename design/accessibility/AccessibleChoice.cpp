#include "design/accessibility/AccessibleChoice.h"

#include "design/accessibility/AccessibleTraits.h"

namespace tidewell::design {

AccessibleChoice::AccessibleChoice(QWidget* control, int index) : control_(control), index_(index) {}

const AccessibleChoices* AccessibleChoice::choices() const {
  const AccessibleTraits* traits = findAccessibleTraits(control_);
  return traits && traits->choices ? &*traits->choices : nullptr;
}

bool AccessibleChoice::isValid() const {
  const AccessibleChoices* c = choices();
  return c && c->titles && index_ < c->titles().size();
}

bool AccessibleChoice::isChosen() const {
  const AccessibleChoices* c = choices();
  return c && c->current && c->current() == index_;
}

QWindow* AccessibleChoice::window() const {
  QAccessibleInterface* control = parent();
  return control ? control->window() : nullptr;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> AccessibleChoice::relations(
    QAccessible::Relation) const {
  return {};
}

QAccessibleInterface* AccessibleChoice::childAt(int, int) const { return nullptr; }

QAccessibleInterface* AccessibleChoice::parent() const {
  return control_ ? QAccessible::queryAccessibleInterface(control_.data()) : nullptr;
}

QAccessibleInterface* AccessibleChoice::child(int) const { return nullptr; }

int AccessibleChoice::indexOfChild(const QAccessibleInterface*) const { return -1; }

QString AccessibleChoice::text(QAccessible::Text t) const {
  if (t != QAccessible::Name || !isValid()) return {};
  return choices()->titles().at(index_);
}

void AccessibleChoice::setText(QAccessible::Text, const QString&) {}

QRect AccessibleChoice::rect() const {
  const AccessibleChoices* c = choices();
  if (!c || !c->rect || !control_) return {};
  const QRect local = c->rect(index_);
  return QRect(control_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role AccessibleChoice::role() const {
  const AccessibleChoices* c = choices();
  return c ? c->role : QAccessible::PageTab;
}

QAccessible::State AccessibleChoice::state() const {
  QAccessible::State state;
  if (!isValid()) {
    state.invalid = true;
    return state;
  }
  state.selectable = true;
  state.checkable = true;
  const bool chosen = isChosen();
  state.selected = chosen;
  state.checked = chosen;
  state.focused = chosen && control_->hasFocus();
  state.invisible = !control_->isVisible();
  state.disabled = !control_->isEnabled();
  return state;
}

void* AccessibleChoice::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QStringList AccessibleChoice::actionNames() const {
  return isValid() ? QStringList{pressAction()} : QStringList{};
}

void AccessibleChoice::doAction(const QString& actionName) {
  const AccessibleChoices* c = choices();
  if (actionName == pressAction() && c && c->choose && isValid()) c->choose(index_);
}

QStringList AccessibleChoice::keyBindingsForAction(const QString&) const { return {}; }

}  // namespace tidewell::design
