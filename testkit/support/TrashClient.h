#pragma once
// Runs another Trash client (Debian's trash-cli) against a fixture only:
// HOME and XDG_DATA_HOME inside the fixture, no byte-code written beside
// the installed program. trash-cli still looks at the top-directory trashes
// of the real mounts; it only reads them, and callers look only at entries
// below the fixture.

#include <string>
#include <vector>

#include "testkit/support/FixtureHome.h"

namespace tidewell::testing {

// The full path of a program found on $PATH, empty when there is none.
std::string onPath(const std::string& program);

struct ToolRun {
  int status = -1;  // exit status, -1 when it did not run or exit normally
  std::string output;
};

// Runs args[0] (a full path) with the fixture's home as HOME, XDG_DATA_HOME
// at its .local/share, TZ as this process has it, `input` as standard
// input, in folder `cwd`.
ToolRun runTrashClient(const FixtureHome& fx, const std::vector<std::string>& args, const std::string& input,
                       const std::string& cwd);

// The original paths trash-list printed ("DATE TIME PATH" lines) that lie
// below root, sorted; entries of any other trash are left out.
std::vector<std::string> listedBelow(const std::string& listing, const std::string& root);

}  // namespace tidewell::testing
