#pragma once
// Marks the calling thread as background work: scans and other engine jobs
// run on such threads, so whenever processors are short the window's
// thread (and whatever else the user is doing) is served first and never
// waits behind a walk. Nothing changes while processors are free.
//
// On Linux the thread alone gets nice value backgroundNice (a thread that
// is already nicer keeps its value); processes it starts inherit it. Any
// thread may call it, as often as it likes; where the priority cannot be
// changed, nothing happens.

namespace tidewell::platform {

inline constexpr int backgroundNice = 10;

void markCurrentThreadAsBackground();

}  // namespace tidewell::platform
