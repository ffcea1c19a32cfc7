#pragma once
// What a painted widget tells assistive technology (a screen reader over
// AT-SPI): its role, name, description, check state, value, press action
// and, for a control of several segments, one item per segment. Each is a
// function asked every time assistive technology asks, so it follows the
// widget's state without being set again.
//
// A widget without traits reads by its class: one of our buttons as a
// button named by its text, any other widget as a grouping of its children.
// A name left empty falls back to the widget's accessibleName, then to its
// "text" property, then to its "title"; a control with none of these is
// named by the texts it holds. Decorations (setHiddenFromAccessibility) are
// left out of the tree: their parents do not list them.
//
// The traits live in a small object owned by the widget. Setting any of
// them installs our interfaces for Qt's accessibility (once per process).
// GUI thread only.

#include <QAccessible>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace tidewell::design {

// The segments of a segmented control, as items of the control.
struct AccessibleChoices {
  QAccessible::Role role = QAccessible::PageTab;
  std::function<QStringList()> titles;
  std::function<int()> current;     // the chosen item's index
  std::function<void(int)> choose;  // chooses an item
  std::function<QRect(int)> rect;   // where an item lies, in the widget's coordinates
};

struct AccessibleTraits {
  // NoRole: by the class (a button, or a grouping).
  QAccessible::Role role = QAccessible::NoRole;
  std::function<QString()> name;
  std::function<QString()> description;
  // Given: a check box (or radio button, page tab) in this state.
  std::function<Qt::CheckState()> checked;
  // Given: a gauge showing this fraction (0...1), read as 0...100 %.
  std::function<double()> value;
  // The gauge's value as shown (none: the whole percentage, "37%").
  std::function<QString()> valueText;
  // The press action, also run by Space and Return while the widget has the
  // keyboard focus (none: a button's click, or nothing).
  std::function<void()> press;
  std::optional<AccessibleChoices> choices;
  bool hidden = false;
};

// The traits of widget, made empty on first use (and the interfaces
// installed); change the fields wanted.
AccessibleTraits& accessibleTraits(QWidget* widget);
// The traits of widget, or nullptr when it has none.
const AccessibleTraits* findAccessibleTraits(const QWidget* widget);

// Leaves widget (and what it holds) out of the accessibility tree.
void setHiddenFromAccessibility(QWidget* widget, bool hidden = true);
bool isHiddenFromAccessibility(const QWidget* widget);

// Tell listening assistive technology that what widget reads as changed;
// nothing happens while none listens.
void accessibleNameChanged(QWidget* widget);
void accessibleCheckChanged(QWidget* widget);
void accessibleValueChanged(QWidget* widget);

// Registers our interfaces with Qt's accessibility; idempotent.
void installAccessibility();

}  // namespace tidewell::design
