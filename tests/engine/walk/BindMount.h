#pragma once
// A bind mount for tests that check a walk stays on one file system: the
// shared ScopedMount guard (undone when the scope ends, failed assertions
// included; crashed runs cleared first). Bind mounts need privileges; where
// they are refused ok() is false and the case should be skipped. Declare it
// after the fixture it mounts into.

#include <string>

#include "testkit/support/RootFixtures.h"

namespace tidewell::testing {

class BindMount {
 public:
  BindMount(const std::string& source, const std::string& target)
      : mount_(ScopedMount::bind(source, target)) {}
  bool ok() const { return mount_.ok(); }

 private:
  ScopedMount mount_;
};

}  // namespace tidewell::testing
