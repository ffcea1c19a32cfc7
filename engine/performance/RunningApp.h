#pragma once
// One running regular application with its memory footprint, as the
// Performance tool lists it. A plain value.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace tidewell::engine {

struct RunningApp {
  int32_t id = 0;                       // the process identifier
  std::string name;                     // display name, "App" when it has none
  std::optional<std::string> bundleID;  // on Linux the desktop entry id
  std::optional<std::string> url;       // on Linux the desktop entry file (its icon and name)
  int64_t memoryBytes = 0;              // 0 when it cannot be read
  // When the process started (clock ticks after boot on Linux), read with
  // the list: a quit request checks it so that it never reaches another
  // process that inherited the pid. Absent when it could not be read.
  std::optional<uint64_t> startTime;

  bool operator==(const RunningApp&) const = default;
};

}  // namespace tidewell::engine
