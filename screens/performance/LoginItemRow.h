#pragma once
// One line of the Performance screen's startup list: a symbol for the
// item's scope, its label over its program, a chip with the scope, and
// "Reveal", which reports revealRequested(). No state of its own and no
// hover. GUI thread only.

#include "engine/performance/LoginItem.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::screens {

class LoginItemRow : public Surface {
  Q_OBJECT
 public:
  explicit LoginItemRow(engine::LoginItem item, QWidget* parent = nullptr);

  const engine::LoginItem& item() const { return item_; }

 Q_SIGNALS:
  void revealRequested();

 private:
  engine::LoginItem item_;
};

}  // namespace tidewell::screens
