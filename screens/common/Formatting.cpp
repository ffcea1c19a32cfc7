#include "screens/common/Formatting.h"

#include <algorithm>

#include "base/ByteCountText.h"
#include "design/accessibility/AccessibleTraits.h"

namespace tidewell::screens {

QString bytesText(int64_t bytes) {
  return QString::fromStdString(base::byteCountText(std::max<int64_t>(bytes, 0)));
}

QString percentText(double fraction) { return design::percentReading(fraction).text; }

}  // namespace tidewell::screens
