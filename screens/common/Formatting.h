#pragma once
// The size and percentage texts every screen shows, as Qt strings.

#include <QString>
#include <cstdint>

namespace tidewell::screens {

// The file-style byte count of bytes, a negative count written as zero
// ("Zero KB").
QString bytesText(int64_t bytes);

// The whole percentage of a fraction followed by "%": truncated, never
// rounded up (0.999 is "99%"), free of floating-point error (0.29 is
// "29%"), and kept within "0%" ... "100%". The text of
// design::percentReading, which a gauge showing it reads as.
QString percentText(double fraction);

}  // namespace tidewell::screens
