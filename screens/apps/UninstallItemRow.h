#pragma once
// One row of the uninstall sheet's list: a symbol, the title over the
// subtitle, and the size, on a raised surface (corner radius 14) with a
// hairline edge. The title stays on one line, shortened in the middle.
// GUI thread only.

#include "screens/apps/UninstallSheetContent.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::screens {

class UninstallItemRow : public Surface {
  Q_OBJECT
 public:
  explicit UninstallItemRow(const UninstallRow& row, QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
