#pragma once
// A virtual X server (Xvfb) of a test's own, on a display number the server
// picks itself, with no window manager; it ends with the object. Not
// available when Xvfb is not installed: tests then skip.

#include <memory>
#include <string>
#include <vector>

#include "testkit/support/ChildProcess.h"

namespace tidewell::testing {

class VirtualDisplay {
 public:
  // screen as Xvfb takes it ("WIDTHxHEIGHTxDEPTH"); extra: more server
  // options (for example "-wr", a white root window).
  explicit VirtualDisplay(const std::string& screen = "320x240x24",
                          const std::vector<std::string>& extra = {});

  bool available() const { return !name_.empty(); }
  // ":N", as $DISPLAY names it.
  const std::string& name() const { return name_; }

 private:
  std::unique_ptr<ChildProcess> server_;
  std::string name_;
};

}  // namespace tidewell::testing
