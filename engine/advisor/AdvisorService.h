#pragma once
// The facts behind the Advisor's easy wins, asked of the system's own tools:
// installed Simulator runtimes, unavailable simulators, Time Machine local
// snapshots, and the size of the Docker virtual-machine folder; plus the
// runtime delete and the runner used for the two bulk actions.
// Stateless; every call blocks until its tool exits and may run on any
// thread. Failures (a missing tool, a non-zero exit, output that does not
// parse) give an empty list or 0: "nothing found" and "no answer" look
// alike by design; an action that fails says why.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/LocalTime.h"
#include "platform/core/Attempt.h"
#include "platform/core/EngineContext.h"

namespace tidewell::engine {

class AdvisorService {
 public:
  // One installed Simulator runtime.
  struct SimRuntime {
    std::string id;     // the value the runtime delete takes
    std::string name;   // display name
    std::string build;  // build number text, "" when absent
    int64_t sizeBytes = 0;
    bool deletable = true;
    std::optional<base::TimePoint> lastUsed;
    std::vector<std::string> deviceNames;  // simulators built on this runtime

    // "No simulators currently use it", or "Used by 5 simulators: A, B, C +2 more".
    std::string usageSummary() const;

    bool operator==(const SimRuntime&) const = default;
  };

  // Simulator names per runtime identifier, in the device list's order.
  using DeviceNames = std::map<std::string, std::vector<std::string>>;

  // A tool and its arguments, for the bulk actions the Advisor model runs
  // through perform().
  struct Command {
    std::string executable;
    std::vector<std::string> arguments;
  };

  // The tool's standard output when it exited with status 0, else none.
  static std::optional<std::string> run(const std::string& executable,
                                        const std::vector<std::string>& arguments);

  // Runs a bulk action's command: done when it exited with status 0, else
  // the tool's reason.
  static platform::Attempt perform(const Command& command);

  // Installed runtimes, largest first; equal sizes keep the tool's order.
  static std::vector<SimRuntime> runtimes(const platform::EngineContext& ctx);

  static DeviceNames deviceNamesByRuntime(const platform::EngineContext& ctx);

  // "com.apple.CoreSimulator.SimRuntime.iOS-17-4" -> "iOS 17.4".
  static std::optional<std::string> prettyRuntimeName(const std::optional<std::string>& identifier);

  // One entry of the runtime list: its key and its value as JSON text. A
  // value that is not a JSON object reads as an entry with no fields.
  static SimRuntime parseRuntime(std::string_view key, std::string_view entryJson,
                                 const DeviceNames& deviceNames);

  // Done when the tool deleted the runtime (exit status 0); else the tool's
  // reason: it could not be started, exited with another status or was
  // stopped by a signal.
  static platform::Attempt deleteRuntime(const SimRuntime& runtime, const platform::EngineContext& ctx);

  static int unavailableSimulatorCount(const platform::EngineContext& ctx);

  static int localSnapshotCount(const platform::EngineContext& ctx);

  // Allocated bytes of Docker's virtual-machine folder; 0 when it is absent.
  static int64_t dockerDiskBytes(const platform::EngineContext& ctx);

  // The bulk actions: remove every unavailable simulator, thin the local
  // snapshots of the start-up volume.
  static Command deleteUnavailableCommand(const platform::EngineContext& ctx);
  static Command thinSnapshotsCommand(const platform::EngineContext& ctx);
};

}  // namespace tidewell::engine
