#pragma once
// What the start-up and idle benchmarks read from the program (bench/startup,
// bench/idle). With TIDEWELL_BENCH_FIRST_PAINT=MS in the environment, once
// the main window has painted its first frame, one line goes to standard
// error:
//   first-paint REALTIME_NS PEAK_KIB
// (the wall clock in nanoseconds since 1970, and the peak resident memory
// so far), and the application quits MS milliseconds later. Without the
// variable nothing is installed. GUI thread, before the window is shown.

namespace tidewell::app {

void reportFirstPaintWhenAsked();

}  // namespace tidewell::app
