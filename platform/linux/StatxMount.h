#pragma once
// What statx tells of mounts: the mount-root attribute and the mount id,
// with their values for C libraries that predate them.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace tidewell::platform {

#ifndef STATX_ATTR_MOUNT_ROOT
inline constexpr unsigned long long kStatxAttrMountRoot = 0x00002000;
#else
inline constexpr unsigned long long kStatxAttrMountRoot = STATX_ATTR_MOUNT_ROOT;
#endif

#ifndef STATX_MNT_ID
inline constexpr unsigned kStatxMountId = 0x00001000U;
#else
inline constexpr unsigned kStatxMountId = STATX_MNT_ID;
#endif

// True when the kernel reports sx as the root of a mount.
inline bool isMountRoot(const struct statx& sx) {
  return (sx.stx_attributes_mask & kStatxAttrMountRoot) && (sx.stx_attributes & kStatxAttrMountRoot);
}

inline dev_t deviceOf(const struct statx& sx) { return makedev(sx.stx_dev_major, sx.stx_dev_minor); }

}  // namespace tidewell::platform
