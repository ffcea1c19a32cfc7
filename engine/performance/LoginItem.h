#pragma once
// One launch agent or daemon property list, as the Performance tool lists
// it. A plain value.

#include <string>

namespace tidewell::engine {

struct LoginItem {
  std::string id;        // a random UUID, fresh for every read
  std::string label;     // "Label", else the file name without ".plist"
  std::string program;   // "Program", else the first of "ProgramArguments", else "—"
  std::string plistURL;  // absolute path of the property-list file
  std::string scope;     // "You" or "System"
};

}  // namespace tidewell::engine
