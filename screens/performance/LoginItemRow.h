#pragma once
// One line of the Performance screen's startup list: a symbol for the
// item's scope, its label over its program, a chip with the scope, and
// "Reveal", which runs the screen's closure. No state of its own and no
// hover. GUI thread only.

#include <functional>

#include "engine/performance/LoginItem.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::screens {

class LoginItemRow : public Surface {
  Q_OBJECT
 public:
  LoginItemRow(engine::LoginItem item, std::function<void()> reveal, QWidget* parent = nullptr);

  const engine::LoginItem& item() const { return item_; }

 private:
  engine::LoginItem item_;
  std::function<void()> reveal_;
};

}  // namespace tidewell::screens
