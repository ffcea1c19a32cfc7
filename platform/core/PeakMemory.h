#pragma once
// The most memory this process has held resident so far (Linux: VmHWM of
// /proc/self/status), for the benchmarks' reports. Any thread.

namespace tidewell::platform {

// In KiB; -1 when it cannot be read.
long peakResidentKib();

}  // namespace tidewell::platform
