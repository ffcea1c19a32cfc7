#include "testkit/probe/AccessibilityAudit.h"

#include <QAbstractButton>
#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QWidget>
#include <functional>

#include "design/accessibility/AccessibleTraits.h"
#include "design/accessibility/PaintedAccessible.h"
#include "screens/common/ObjectNames.h"
#include "testkit/probe/Probe.h"

namespace tidewell::probe {

namespace {

QString roleName(QAccessible::Role role) {
  return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

QString nodeLabel(QAccessibleInterface* iface) {
  QString label = roleName(iface->role());
  if (QObject* object = iface->object()) {
    label += QLatin1Char(' ') + QString::fromLatin1(object->metaObject()->className());
    if (!object->objectName().isEmpty()) label += QLatin1Char('#') + object->objectName();
    const QString key = screens::keyOf(object);
    if (!key.isEmpty()) label += QLatin1Char('[') + key + QLatin1Char(']');
  }
  const QString name = iface->text(QAccessible::Name);
  if (!name.isEmpty()) label += QStringLiteral(" \"") + name + QLatin1Char('"');
  return label;
}

void walk(QAccessibleInterface* iface, const QString& path, QList<AccessibleNode>& out) {
  if (!iface || !iface->isValid() || iface->state().invisible) return;
  AccessibleNode node;
  node.role = iface->role();
  node.name = iface->text(QAccessible::Name);
  node.description = iface->text(QAccessible::Description);
  node.value = iface->text(QAccessible::Value);
  if (QAccessibleValueInterface* value = iface->valueInterface()) node.currentValue = value->currentValue();
  node.state = iface->state();
  node.object = iface->object();
  node.childCount = iface->childCount();
  node.where = path.isEmpty() ? nodeLabel(iface) : path + QStringLiteral(" > ") + nodeLabel(iface);
  const QString where = node.where;
  out.append(node);
  for (int i = 0; i < iface->childCount(); ++i) walk(iface->child(i), where, out);
}

// Buttons, press actions, and whatever shows the pointing hand.
bool takesClicks(const QWidget* widget) {
  if (widget->testAttribute(Qt::WA_TransparentForMouseEvents)) return false;
  if (qobject_cast<const QAbstractButton*>(widget)) return true;
  if (widget->testAttribute(Qt::WA_SetCursor) && widget->cursor().shape() == Qt::PointingHandCursor)
    return true;
  const design::AccessibleTraits* traits = design::findAccessibleTraits(widget);
  return traits && traits->press;
}

bool tabReaches(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible() &&
         widget->isEnabled() && !widget->focusProxy();
}

// a reads before b: side by side (their heights overlap), left to right;
// otherwise top to bottom.
bool readsBefore(const QWidget* a, const QWidget* b) {
  const QRect ra = a->geometry(), rb = b->geometry();
  const bool sideBySide = ra.top() < rb.bottom() && rb.top() < ra.bottom();
  if (sideBySide && ra.left() != rb.left()) return ra.left() < rb.left();
  return ra.top() < rb.top();
}

void collectReading(QWidget* widget, QWidget* root, QList<QWidget*>& out) {
  if (widget != root && tabReaches(widget)) out.append(widget);
  QList<QWidget*> children;
  for (QObject* object : widget->children()) {
    if (!object->isWidgetType()) continue;
    auto* child = static_cast<QWidget*>(object);
    if (child->isWindow() || !child->isVisible()) continue;
    qsizetype at = 0;
    while (at < children.size() && !readsBefore(child, children[at])) ++at;
    children.insert(at, child);
  }
  for (QWidget* child : children) collectReading(child, root, out);
}

}  // namespace

QList<AccessibleNode> accessibleTree(QWidget* root) {
  QList<AccessibleNode> out;
  walk(QAccessible::queryAccessibleInterface(root), {}, out);
  return out;
}

QList<AccessibleNode> accessibleControls(QWidget* root) {
  QList<AccessibleNode> out;
  for (const AccessibleNode& node : accessibleTree(root))
    if (design::PaintedAccessible::isControlRole(node.role)) out.append(node);
  return out;
}

QString summary(const AccessibleNode& node) {
  QString line = roleName(node.role);
  if (!node.name.isEmpty()) line += QStringLiteral(" \"") + node.name + QLatin1Char('"');
  if (!node.value.isEmpty()) line += QStringLiteral(" = ") + node.value;
  if (node.state.checkStateMixed) line += QStringLiteral(" mixed");
  if (node.state.checked) line += QStringLiteral(" checked");
  if (node.state.selected) line += QStringLiteral(" selected");
  return line;
}

QStringList summaries(QWidget* root) {
  QStringList out;
  for (const AccessibleNode& node : accessibleTree(root)) out << summary(node);
  return out;
}

QList<QWidget*> decorations(QWidget* root) {
  QList<QWidget*> out;
  for (QWidget* widget : root->findChildren<QWidget*>()) {
    if (!widget->isVisible() || !design::isHiddenFromAccessibility(widget)) continue;
    bool inside = false;
    for (QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget())
      inside = inside || design::isHiddenFromAccessibility(up);
    if (!inside) out << widget;
  }
  return out;
}

bool isListed(QWidget* root, const QObject* obj) {
  for (const AccessibleNode& node : accessibleTree(root)) {
    for (const QObject* o = node.object; o; o = o->parent())
      if (o == obj) return true;
  }
  return false;
}

QStringList accessibilityProblems(QWidget* root) {
  QStringList problems;
  const QList<AccessibleNode> tree = accessibleTree(root);
  for (const AccessibleNode& node : tree) {
    if (design::PaintedAccessible::isControlRole(node.role) && node.name.isEmpty())
      problems << QStringLiteral("control without a name: ") + node.where;
    if (node.role == QAccessible::StaticText && node.name.trimmed().isEmpty())
      problems << QStringLiteral("text without a name: ") + node.where;
    // A leaf with a layout is an empty container (a list with nothing in it), not a picture.
    if (node.role == QAccessible::Client && node.childCount == 0 && node.name.isEmpty() && node.object &&
        node.object->isWidgetType() && !static_cast<QWidget*>(node.object)->layout())
      problems << QStringLiteral("painted widget that reads as nothing: ") + node.where;
    if (node.object && node.object->isWidgetType() &&
        design::isHiddenFromAccessibility(static_cast<QWidget*>(node.object)))
      problems << QStringLiteral("decoration listed: ") + node.where;
    if (node.currentValue.isValid()) {
      static const QRegularExpression leadingNumber(QStringLiteral("^-?\\d+"));
      const QRegularExpressionMatch shown = leadingNumber.match(node.value);
      if (!shown.hasMatch() || shown.captured().toInt() != node.currentValue.toInt())
        problems << QStringLiteral("gauge whose value %1 is not the \"%2\" it shows: ")
                            .arg(node.currentValue.toString(), node.value) +
                        node.where;
    }
  }
  QList<QWidget*> below = root->findChildren<QWidget*>();
  below.prepend(root);
  for (QWidget* widget : below) {
    if (!widget->isVisible() || !widget->isEnabled() || !takesClicks(widget)) continue;
    if ((widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
      problems << QStringLiteral("takes clicks but not the focus: ") + describe(widget);
  }
  return problems;
}

QList<QWidget*> tabOrder(QWidget* root) {
  QWidget* window = root->window();
  QList<QWidget*> order;
  QList<QWidget*> seen;
  // From the window itself, so the first Tab lands on the first control.
  window->setFocus(Qt::OtherFocusReason);
  for (int i = 0; i < 1000; ++i) {
    pressKey(window, Qt::Key_Tab);
    QWidget* focus = window->focusWidget();
    if (!focus || seen.contains(focus)) break;
    seen.append(focus);
    if (focus != root && root->isAncestorOf(focus)) order.append(focus);
  }
  return order;
}

QList<QWidget*> readingOrder(QWidget* root) {
  QList<QWidget*> out;
  collectReading(root, root, out);
  return out;
}

QString describe(const QWidget* widget) {
  if (!widget) return QStringLiteral("(none)");
  QString label = QString::fromLatin1(widget->metaObject()->className());
  if (!widget->objectName().isEmpty()) label += QLatin1Char('#') + widget->objectName();
  const QString key = screens::keyOf(widget);
  if (!key.isEmpty()) label += QLatin1Char('[') + key + QLatin1Char(']');
  const QString text = textOf(widget);
  if (!text.isEmpty()) label += QStringLiteral(" \"") + text + QLatin1Char('"');
  return label;
}

QStringList describe(const QList<QWidget*>& widgets) {
  QStringList out;
  for (const QWidget* w : widgets) out << describe(w);
  return out;
}

std::string lines(const QStringList& items) { return items.join(QLatin1Char('\n')).toStdString(); }

}  // namespace tidewell::probe
