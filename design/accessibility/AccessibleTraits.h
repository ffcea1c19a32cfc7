#pragma once
// What a painted widget tells assistive technology (a screen reader over
// AT-SPI): its role, name, description, check state, reading, press action
// and, for a control of several segments, one item per segment. Each is a
// function asked every time assistive technology asks, so it follows the
// widget's state without being set again; what changes while it is shown
// is told with the events below.
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

// What a gauge reads as: the whole percentage it shows (0...100), which is
// also its value through the value interface, and that percentage as the
// screen writes it ("73%", "12% in use").
struct GaugeReading {
  int percent = 0;
  QString text;
  bool operator==(const GaugeReading&) const = default;
};

// A fraction (0...1) as the screens write it: truncated to a whole percent,
// never rounded up (0.735 is 73, 0.999 is 99), kept within 0...100, not a
// number counting as 0; the text is the number and "%".
GaugeReading percentReading(double fraction);

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
  // Given: a gauge (a progress bar unless the role says otherwise) that
  // reads as this; set it with setAccessibleReading.
  std::function<GaugeReading()> reading;
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

// Makes widget a gauge that reads as reading, whose changes
// accessibleValueChanged tells. A gauge that shows its percentage takes
// the reading from the rule that writes the text shown, so the two never
// differ.
void setAccessibleReading(QWidget* widget, std::function<GaugeReading()> reading);

// Leaves widget (and what it holds) out of the accessibility tree.
void setHiddenFromAccessibility(QWidget* widget, bool hidden = true);
bool isHiddenFromAccessibility(const QWidget* widget);

// Tell listening assistive technology that what widget reads as changed;
// nothing happens while none listens.
void accessibleNameChanged(QWidget* widget);
// The check state, and for a tab (anything selectable) its selection too.
void accessibleCheckChanged(QWidget* widget);
// A gauge's reading; the first change is told at once, later ones at most
// once a second (the last one always arrives), and only while the widget is
// shown (see ValueAnnouncer). Call it on every change; unchanged readings
// are not told again.
void accessibleValueChanged(QWidget* widget);
// A segmented control chose another item (previous: the one chosen
// before): the old item left the selection, the new one joined it and,
// while the control has the keyboard focus, took the focus.
void accessibleChoiceChanged(QWidget* control, int previous);
// widget, an alert, has something to say: call accessibleAlertShown when
// it comes into view (its showEvent) and accessibleAlertChanged when what
// it says changes while it is shown. Qt's alert event goes to the bridges
// that carry it; over AT-SPI a reader hears an alert that becomes showing,
// which Qt tells by itself when the widget appears and the change in place
// tells again.
void accessibleAlertShown(QWidget* widget);
void accessibleAlertChanged(QWidget* widget);

// Registers our interfaces with Qt's accessibility; idempotent.
void installAccessibility();

}  // namespace tidewell::design
