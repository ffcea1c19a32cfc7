#pragma once
// One segment of a segmented control, as an item of the control's
// accessible interface: its title, its role (a page tab unless the traits
// say otherwise), checked and selected while it is the chosen one, and a
// press action that chooses it. It reads the control's traits each time it
// is asked, so a control that goes away leaves it invalid. Owned by Qt's
// accessibility cache (the control's interface registers it). GUI thread
// only.

#include <QAccessible>
#include <QPointer>
#include <QWidget>

namespace tidewell::design {

struct AccessibleChoices;

class AccessibleChoice : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleChoice(QWidget* control, int index);

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override;
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text t, const QString& text) override;
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

 private:
  const AccessibleChoices* choices() const;
  bool isChosen() const;

  QPointer<QWidget> control_;
  int index_;
};

}  // namespace tidewell::design
