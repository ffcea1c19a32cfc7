#pragma once
// What the start-up and idle benchmarks read from the program (bench/startup,
// bench/idle). With TIDEWELL_BENCH_FIRST_PAINT=MS in the environment, once
// the main window has painted its first frame, one line goes to standard
// error:
//   first-paint REALTIME_NS PEAK_KIB
// (the wall clock in nanoseconds since 1970, and the peak resident memory
// so far), and the application quits MS milliseconds later, first telling
//   frames COUNT MS
// the frames the window painted in the MS milliseconds before it quits,
// less the first second (the window settling; three for a Smart Scan's
// done screen, whose total counts up first).
// Also read then:
//   TIDEWELL_BENCH_SECTION=TITLE  the window opens on the section of that
//     title ("Apps", "Deep Scan", ...) instead of Home;
//   TIDEWELL_BENCH_SMART_SCAN=1  the window starts a Smart Scan; when it is
//     done, "smart-scan-done REALTIME_NS" goes to standard error and the MS
//     count from then instead;
//   TIDEWELL_BENCH_GET_STARTED=WAIT  on a first run, WAIT milliseconds after
//     the first frame "Get Started" is pressed on the welcome card, and at
//     the card's next frame (the first of its fade)
//       get-started-fade MS
//     goes to standard error (the milliseconds from just before the press),
//     and the MS count from then.
// Without TIDEWELL_BENCH_FIRST_PAINT nothing is installed. GUI thread,
// before the window is shown.

namespace tidewell::app {

void reportFirstPaintWhenAsked();

}  // namespace tidewell::app
