#pragma once
// The one rule for "another mount starts here", shared by measuring,
// cleaning and the Trash. A bind mount of a folder from the same file
// system keeps the device number, so the device alone misses it; the
// kernel flags mount roots in statx.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace tidewell::platform {

#ifndef STATX_ATTR_MOUNT_ROOT
inline constexpr unsigned long long kStatxAttrMountRoot = 0x00002000;
#else
inline constexpr unsigned long long kStatxAttrMountRoot = STATX_ATTR_MOUNT_ROOT;
#endif

// True when the kernel reports sx as the root of a mount.
inline bool isMountRoot(const struct statx& sx) {
  return (sx.stx_attributes_mask & kStatxAttrMountRoot) && (sx.stx_attributes & kStatxAttrMountRoot);
}

// True when sx is a mount root or lies on another device than `device`.
inline bool crossesMount(const struct statx& sx, dev_t device) {
  return isMountRoot(sx) || makedev(sx.stx_dev_major, sx.stx_dev_minor) != device;
}

}  // namespace tidewell::platform
