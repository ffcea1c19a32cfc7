#pragma once
// Whether this machine has developer or local AI tools, which decides if the
// sidebar lists Dev Mode: true as soon as anything exists at one of 19
// places, tested in a fixed order; testing stops at the first that exists.
// The application asks once per process (DevModeViewModel::hasDevTools()).
//
// Pure apart from the existence check it is given; any thread.

#include <functional>
#include <string>
#include <vector>

#include "platform/core/EngineContext.h"

namespace tidewell::models {

class DevToolsDetector {
 public:
  using Exists = std::function<bool(const std::string& path)>;

  // The places in test order: absolute ones (such as "/Applications/Xcode.app")
  // under ctx's system root, the others in ctx's home. The home places are
  // left out when the home is unusable.
  static std::vector<std::string> places(const platform::EngineContext& ctx);

  // True at the first place for which exists() holds; exists() is not asked
  // about any place after it.
  static bool detect(const platform::EngineContext& ctx, const Exists& exists);

  // Whether anything is at path, links followed (a dangling link is nothing).
  static bool existsOnDisk(const std::string& path);
};

}  // namespace tidewell::models
