#pragma once
// The Startup panel of the Performance screen: "Starts automatically" with
// the "Open Login Items Settings" button, the explanation, and one
// LoginItemRow per launch agent or daemon in the model's order. Built and
// refreshed by the screen; "Reveal" runs the screen's closure with the
// row's record, the settings button the screen's other closure. GUI thread
// only.

#include <QWidget>
#include <functional>
#include <vector>

#include "engine/performance/LoginItem.h"
#include "screens/common/layout/KeyedWidgets.h"

namespace tidewell::screens {

class LoginItemRow;
class RowStack;

class StartupPanel : public QWidget {
  Q_OBJECT
 public:
  using Reveal = std::function<void(const engine::LoginItem&)>;

  StartupPanel(Reveal reveal, std::function<void()> openSettings, QWidget* parent = nullptr);

  void setItems(const std::vector<engine::LoginItem>& items);
  QList<LoginItemRow*> rows() const;

 private:
  Reveal reveal_;
  RowStack* stack_;
  KeyedWidgets<LoginItemRow, std::string> rows_;
};

}  // namespace tidewell::screens
