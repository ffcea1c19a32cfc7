#pragma once
// Runs a piece of work in a forked child with a deadline and a cap on the
// memory it may map, so a reader that blocks for good or grows without end
// fails its test instead of hanging the run or eating the machine. The
// child hands back the text the work returns and how far its resident
// memory grew at its peak (a reader may swallow the allocation failure the
// cap causes, so the cap alone does not show it).

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace tidewell::testing {

struct ContainedRun {
  bool ended = false;          // false: it overran the deadline, threw or crashed
  std::string text;            // what the work returned, when it ended
  size_t peakGrowthBytes = 0;  // its peak resident memory beyond this process's at the start
};

// Runs work in a child process that may map at most capBytes beyond what
// this process maps now, and is killed when it has not ended by deadline.
ContainedRun runContained(const std::function<std::string()>& work,
                          std::chrono::milliseconds deadline = std::chrono::seconds(5),
                          size_t capBytes = size_t(256) << 20);

}  // namespace tidewell::testing
