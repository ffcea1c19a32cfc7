#pragma once
// The sort control of the Apps header: a quiet pill showing the
// "arrow.up.arrow.down" symbol (10 semibold) and the current order's
// label, 6 apart, that opens a menu headed "Sort" with one checkable item
// per order, the current one checked; opened from the keyboard it starts
// on the current one. Choosing an item reports chosen(); the screen then
// shows the new order with setCurrent. GUI thread only.

#include <QAbstractButton>

#include "models/apps/AppsViewModel.h"

class QMenu;

namespace tidewell::screens {

class AppsSortMenu : public QAbstractButton {
  Q_OBJECT
 public:
  using SortOrder = models::AppsViewModel::SortOrder;

  explicit AppsSortMenu(SortOrder current, QWidget* parent = nullptr);

  SortOrder current() const { return current_; }
  void setCurrent(SortOrder order);
  // The menu it opens (shown on a click, without an event loop of its own).
  QMenu* menu() const { return menu_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 Q_SIGNALS:
  void chosen(SortOrder order);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void openMenu();

  SortOrder current_;
  QMenu* menu_;
};

}  // namespace tidewell::screens
