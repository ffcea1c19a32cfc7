#pragma once
// A bind mount for tests that check a walk stays on one file system. Bind
// mounts need privileges; where they are refused ok() is false and the case
// should be skipped. Declare it after the fixture it mounts into, so it is
// unmounted before the fixture is removed (removing through a live bind
// mount would reach the source).

#include <sys/mount.h>

#include <string>

namespace tidewell::testing {

class BindMount {
 public:
  BindMount(const std::string& source, const std::string& target) : target_(target) {
    ok_ = mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) == 0;
  }
  ~BindMount() {
    if (ok_) umount2(target_.c_str(), MNT_DETACH);
  }
  BindMount(const BindMount&) = delete;
  BindMount& operator=(const BindMount&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string target_;
  bool ok_ = false;
};

}  // namespace tidewell::testing
