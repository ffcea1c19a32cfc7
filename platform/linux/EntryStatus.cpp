#include "platform/core/EntryStatus.h"

#include "platform/linux/StatxMount.h"

namespace tidewell::platform {

std::optional<EntryStatus> EntryStatus::look(int dirFd, const char* name, Detail detail) {
  // Asking for less than everything lets the kernel skip what costs it to
  // fetch; statx fills in the device and the attributes regardless.
  const unsigned mask =
      detail == Detail::Type ? STATX_TYPE : STATX_TYPE | STATX_INO | STATX_NLINK | STATX_BLOCKS;
  struct statx sx;
  if (statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, mask, &sx) != 0) return std::nullopt;
  EntryStatus status;
  status.mode = sx.stx_mode;
  status.device = deviceOf(sx);
  status.inode = sx.stx_ino;
  status.links = sx.stx_nlink;
  status.blocks = int64_t(sx.stx_blocks);
  status.isMountRoot = platform::isMountRoot(sx);
  return status;
}

}  // namespace tidewell::platform
