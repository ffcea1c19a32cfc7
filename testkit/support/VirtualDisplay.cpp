#include "testkit/support/VirtualDisplay.h"

namespace tidewell::testing {

VirtualDisplay::VirtualDisplay(const std::string& screen, const std::vector<std::string>& extra) {
  const std::string xvfb = findProgram("Xvfb");
  if (xvfb.empty()) return;
  std::vector<std::string> argv{xvfb,       "-displayfd", "3", "-nolisten", "tcp",
                                "-noreset", "-screen",    "0", screen};
  argv.insert(argv.end(), extra.begin(), extra.end());
  server_ = std::make_unique<ChildProcess>(argv, true);
  server_->terminateOnExit();
  if (auto number = server_->lineOnFd3(); number && !number->empty()) name_ = ":" + *number;
}

}  // namespace tidewell::testing
