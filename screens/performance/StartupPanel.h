#pragma once
// The Startup panel of the Performance screen: "Starts automatically" with
// the "Open Login Items Settings" button, the explanation, and one
// LoginItemRow per launch agent or daemon in the model's order. Built and
// refreshed by the screen; a row's "Reveal" reports revealRequested(item),
// the settings button openSettingsClicked(). GUI thread only.

#include <QWidget>
#include <vector>

#include "engine/performance/LoginItem.h"
#include "screens/common/layout/KeyedWidgets.h"

namespace tidewell::screens {

class LoginItemRow;
class RowStack;

class StartupPanel : public QWidget {
  Q_OBJECT
 public:
  explicit StartupPanel(QWidget* parent = nullptr);

  void setItems(const std::vector<engine::LoginItem>& items);
  QList<LoginItemRow*> rows() const;

 Q_SIGNALS:
  void revealRequested(const engine::LoginItem& item);
  void openSettingsClicked();

 private:
  RowStack* stack_;
  KeyedWidgets<LoginItemRow, std::string> rows_;
};

}  // namespace tidewell::screens
