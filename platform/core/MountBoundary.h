#pragma once
// The one rule for "another mount starts here", shared by measuring,
// cleaning, trashing and every scanner that offers something to act on. A
// bind mount of a folder from the same file system keeps the device number,
// so the device alone misses it; the kernel flags mount roots in statx.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <string>

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

// True when the entry `name` of the open folder dirFd (a link there is not
// followed) is a mount point: a mount root, or on another device than the
// folder. Nothing there (ENOENT, ENOTDIR) is none; an entry that cannot be
// inspected for any other reason counts as one, so that a gate refuses what
// it cannot judge. Any thread.
bool isMountPointAt(int dirFd, const char* name);

// The same for an absolute path, judged in its parent folder where that
// physically is. "/" and a relative path count as mount points, and so
// does a path whose parent cannot be opened for a reason other than
// nothing being there.
bool isMountPoint(const std::string& path);

}  // namespace tidewell::platform
