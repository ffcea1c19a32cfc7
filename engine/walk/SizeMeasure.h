#pragma once
// How a scanner measures a candidate: DiskScanner::allocatedSize on the real
// machine; tests hand in their own function to reach size thresholds without
// writing hundreds of mebibytes. Called on the scanning thread.

#include <cstdint>
#include <functional>
#include <string>

namespace tidewell::engine {

using SizeMeasure = std::function<int64_t(const std::string& path)>;

}  // namespace tidewell::engine
