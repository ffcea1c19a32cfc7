#pragma once
// One look at an entry of an open folder, as a walk takes it: not following
// a link there, not triggering an automount, and with what the walk needs
// to count the entry and to stop at another mount. Any thread.

#include <sys/types.h>

#include <cstdint>
#include <optional>

namespace tidewell::platform {

struct EntryStatus {
  // What the look must fill in: the type alone (enough to tell a folder),
  // or also the inode, the link count and the allocated blocks a file is
  // counted by. Other fields may be filled in as well.
  enum class Detail { Type, Sizes };

  mode_t mode = 0;
  dev_t device = 0;
  ino_t inode = 0;
  nlink_t links = 0;
  int64_t blocks = 0;        // allocated, in 512-byte blocks
  bool isMountRoot = false;  // the kernel reports the entry as a mount's root

  // True when the entry roots a mount or lies on another device than
  // `walkDevice`: a walk on walkDevice does not enter it.
  bool crossesMount(dev_t walkDevice) const { return isMountRoot || device != walkDevice; }

  // The entry `name` of the open folder dirFd; absent when it cannot be
  // looked at.
  static std::optional<EntryStatus> look(int dirFd, const char* name, Detail detail);
};

}  // namespace tidewell::platform
