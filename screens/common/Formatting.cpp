#include "screens/common/Formatting.h"

#include <algorithm>

#include "base/ByteCountText.h"

namespace tidewell::screens {

QString bytesText(int64_t bytes) {
  return QString::fromStdString(platform::byteCountText(std::max<int64_t>(bytes, 0)));
}

QString percentText(double fraction) {
  const int percent = std::clamp(platform::wholePercent(fraction), 0, 100);
  return QString::number(percent) + QLatin1Char('%');
}

}  // namespace tidewell::screens
