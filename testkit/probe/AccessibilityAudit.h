#pragma once
// Reading a window the way assistive technology does, for the screen tests:
// the accessibility tree walked from a widget's interface through Qt's
// accessibility (QAccessible::queryAccessibleInterface and the interfaces'
// children), what in it would leave a screen-reader user stuck, and the
// order Tab takes through the controls against the order a person reads
// them in. The widgets must be shown (an unshown widget reads as
// invisible). Nothing here asserts. GUI thread only.

#include <QAccessible>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>

class QObject;
class QWidget;

namespace tidewell::probe {

struct AccessibleNode {
  QAccessible::Role role = QAccessible::NoRole;
  QString name;
  QString description;
  QString value;
  // A gauge's value through the value interface (invalid without one).
  QVariant currentValue;
  QAccessible::State state;
  QObject* object = nullptr;  // nullptr for an item (a segment)
  int childCount = 0;
  QString where;  // a readable path to the node, for messages
};

// Every node reached from root's interface, root first, depth first,
// leaving out invisible nodes and what they hold.
QList<AccessibleNode> accessibleTree(QWidget* root);

// The nodes whose role is one a person operates (a button, a check box, a
// tab, ...).
QList<AccessibleNode> accessibleControls(QWidget* root);

// What would leave a screen-reader or keyboard user stuck below root, one
// line each (empty: nothing):
// - a control without a name;
// - a text without a name;
// - a visible widget that is painted but reads as nothing (a leaf grouping
//   without a name);
// - a decoration (hidden from accessibility) that is listed in the tree;
// - a gauge whose value is not the number its text shows ("74" for
//   "73%");
// - a widget that takes clicks (a button, a press action, the pointing
//   hand) but not the focus from Tab.
QStringList accessibilityProblems(QWidget* root);

// One node in a line: its role, its name in quotes, " = " and its value
// when it has one, then "mixed", "checked" and "selected" as its state
// says: `CheckBox "npm cache, 2.14 GB" checked`,
// `ProgressBar "scanning" = 37%`, `PageTab "System" checked selected`.
QString summary(const AccessibleNode& node);
// The summaries of every node of the tree from root, in tree order.
QStringList summaries(QWidget* root);

// The shown widgets below root that are hidden from accessibility (the
// outermost of each: not those inside another).
QList<QWidget*> decorations(QWidget* root);

// Whether obj, or anything it holds, is listed in the tree from root.
bool isListed(QWidget* root, const QObject* obj);

// The widgets Tab gives the focus to in root's window, starting from the
// first, once round, as pressing Tab would (real key events); only those
// below root are kept.
QList<QWidget*> tabOrder(QWidget* root);

// The widgets below root that Tab may reach, in reading order: a widget
// before what it holds, and side by side items left to right, items above
// one another top to bottom.
QList<QWidget*> readingOrder(QWidget* root);

// A readable label of a widget (class, object name, key, text).
QString describe(const QWidget* widget);
QStringList describe(const QList<QWidget*>& widgets);
// One item a line, for a test's message.
std::string lines(const QStringList& items);

}  // namespace tidewell::probe
