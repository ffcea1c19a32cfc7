#pragma once
// An item reached by descriptor for a move that must not be raced: the
// folder holding it is opened from the physical root of the item's area
// (that folder resolved once) one folder at a time, never following a
// link, so a folder swapped for a link on the way is refused rather than
// followed. A gate judges the item where it physically lies (path()) and
// what is there now through the held folder (look()); the move renames it
// relative to that same folder, so nothing swapped in after the judgement
// can send the move elsewhere. The item itself may be anything, a link
// included (it is looked at, never followed). Move it from thread to
// thread freely; one thread at a time.

#include <sys/stat.h>

#include <optional>
#include <string>

#include "platform/core/FileDescriptor.h"
#include "platform/core/FileIdentity.h"

namespace tidewell::platform {

class ReachedItem {
 public:
  // How the folders below the root are opened: in one call by the kernel,
  // which refuses any link on the way (openat2 with RESOLVE_NO_SYMLINKS and
  // RESOLVE_BENEATH), or one O_NOFOLLOW | O_DIRECTORY step per folder.
  // Kernel falls back to Steps where the kernel has no openat2; tests ask
  // for Steps to check the fallback.
  enum class Walk { Kernel, Steps };

  // The item written at path (absolute) in the area whose root folder is
  // areaRoot. The root is resolved fully, the item's parent folder too
  // (links the user made on the way count where they lead), the item's
  // own name is kept as written. Absent when either cannot be resolved,
  // the item does not lie strictly below the root, its name is empty, "."
  // or "..", the path holds a NUL, or the folders cannot be opened from
  // the root without meeting a link (one was swapped in meanwhile). The
  // item itself need not exist.
  static std::optional<ReachedItem> reach(const std::string& areaRoot, const std::string& path,
                                          Walk walk = Walk::Kernel);

  // The same for a path that is already physical below a physical root:
  // nothing is resolved, so any link on the way refuses it.
  static std::optional<ReachedItem> walkTo(const std::string& physicalRoot, const std::string& physicalPath,
                                           Walk walk = Walk::Kernel);

  // The area's physical root.
  const std::string& root() const { return root_; }
  // Where the item physically lies: the held folder's path and its name.
  const std::string& path() const { return path_; }
  // The path as it was asked for, standardized.
  const std::string& written() const { return written_; }
  const std::string& name() const { return name_; }
  // The held folder; it stays this object's.
  int parentFd() const { return parent_.get(); }

  // What is at name in the held folder now, not following a link; false
  // (errno set) when it cannot be looked at.
  bool look(struct stat& out) const;
  // Whether what is at name now is the expected file, folder or link.
  bool holds(const FileIdentity& expected) const;

 private:
  ReachedItem(std::string root, std::string path, FileDescriptor parent);

  std::string root_;
  std::string path_;
  std::string written_;
  std::string name_;
  FileDescriptor parent_;
};

}  // namespace tidewell::platform
