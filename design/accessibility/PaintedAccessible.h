#pragma once
// The accessible interface of our widgets (see AccessibleTraits): the role,
// texts, state, value and actions their traits give, else what their
// class implies; the children it lists are the widget's children less the
// decorations, then the items of a segmented control. Made by Qt's
// accessibility through the factory installAccessibility() registers, and
// owned by Qt's cache. GUI thread only.

#include <QAccessibleWidget>
#include <vector>

namespace tidewell::design {

struct AccessibleTraits;

class PaintedAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PaintedAccessible(QWidget* widget);
  ~PaintedAccessible() override;

  QAccessible::Role role() const override;
  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override;

  // The item of segment index of a segmented control; nullptr when there is none.
  QAccessibleInterface* choice(int index) const;

  // Whether role is one a person operates (a button, a check box, ...).
  static bool isControlRole(QAccessible::Role role);

 private:
  const AccessibleTraits* traits() const;
  QList<QWidget*> listedChildren() const;
  int choiceCount() const;
  QString contentName() const;
  void press();

  // The segments' interfaces, by their ids in Qt's cache, made when first asked.
  mutable std::vector<QAccessible::Id> choices_;
};

}  // namespace tidewell::design
