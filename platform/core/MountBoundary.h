#pragma once
// The one rule for "another mount starts here", shared by measuring,
// cleaning, the Trash and every scanner that offers something to act on. A
// bind mount of a folder from the same file system keeps the device number,
// so the device alone misses it; the kernel also flags mount roots and,
// where it can, names each mount by its id (on Linux both through statx).

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace tidewell::platform {

// What the Trash needs to know of one entry: its device, the mount it
// belongs to and whether it is that mount's root.
struct MountPlace {
  dev_t device = 0;
  std::optional<uint64_t> mountId;  // absent where the kernel names no mounts
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
std::optional<MountPlace> mountPlace(int dirFd, const char* name);

// True when the entry `name` of the open folder dirFd (a link there is not
// followed) is a mount point: MountPlace::startsMountBelow of the folder.
// Nothing there (ENOENT, ENOTDIR) is none; an entry that cannot be
// inspected for any other reason counts as one, so that a gate refuses
// what it cannot judge. Any thread.
bool isMountPointAt(int dirFd, const char* name);

// The same for an absolute path, judged in its parent folder where that
// physically is. "/" and a relative path count as mount points, and so
// does a path whose parent cannot be opened for a reason other than
// nothing being there.
bool isMountPoint(const std::string& path);

}  // namespace tidewell::platform
