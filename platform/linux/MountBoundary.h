#pragma once
// The one rule for "another mount starts here", shared by measuring,
// cleaning, the Trash and every scanner that offers something to act on. A
// bind mount of a folder from the same file system keeps the device number,
// so the device alone misses it; the kernel flags mount roots in statx and
// names each mount by its id.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdint>
#include <optional>
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

inline dev_t deviceOf(const struct statx& sx) { return makedev(sx.stx_dev_major, sx.stx_dev_minor); }

#ifndef STATX_MNT_ID
inline constexpr unsigned kStatxMountId = 0x00001000U;
#else
inline constexpr unsigned kStatxMountId = STATX_MNT_ID;
#endif

// What the Trash needs to know of one entry: its device, the mount it
// belongs to and whether it is that mount's root.
struct MountPlace {
  dev_t device = 0;
  std::optional<uint64_t> mountId;  // absent on kernels without STATX_MNT_ID
  bool isMountRoot = false;

  // Same mount: the same device and, where the kernel names mounts, the
  // same mount id (older kernels: the device alone, which misses bind
  // mounts but never joins two file systems).
  bool sameMountAs(const MountPlace& other) const {
    if (device != other.device) return false;
    return !(mountId && other.mountId) || *mountId == *other.mountId;
  }

  // Whether this entry, found in the folder at `folder`, starts another
  // mount: it roots one, or it lies on another than its folder.
  bool startsMountBelow(const MountPlace& folder) const { return isMountRoot || !sameMountAs(folder); }
};

// The place of the entry `name` in dirFd (AT_FDCWD and a path work too),
// not following a link there; absent when it cannot be examined.
inline std::optional<MountPlace> mountPlace(int dirFd, const char* name) {
  struct statx sx {};
  if (statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE | kStatxMountId, &sx) != 0)
    return std::nullopt;
  MountPlace place;
  place.device = deviceOf(sx);
  if (sx.stx_mask & kStatxMountId) place.mountId = sx.stx_mnt_id;
  place.isMountRoot = isMountRoot(sx);
  return place;
}

// True when the entry `name` of the open folder dirFd (a link there is not
// followed) is a mount point: MountPlace::startsMountBelow of the folder. Nothing there (ENOENT, ENOTDIR) is
// none; an entry that cannot be inspected for any other reason counts as one, so that a gate refuses what it
// cannot judge. Any thread.
bool isMountPointAt(int dirFd, const char* name);

// The same for an absolute path, judged in its parent folder where that
// physically is. "/" and a relative path count as mount points, and so
// does a path whose parent cannot be opened for a reason other than
// nothing being there.
bool isMountPoint(const std::string& path);

}  // namespace tidewell::platform
