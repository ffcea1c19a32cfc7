#include "screens/common/layout/RowStack.h"

#include <limits>

namespace tidewell::screens {

RowStack::RowStack(int spacing, QWidget* parent)
    : AdaptiveGrid({std::numeric_limits<double>::infinity(), 0, double(spacing), Qt::AlignTop}, parent) {}

}  // namespace tidewell::screens
