#pragma once
// Empties a folder in place, or removes a file, without ever going through
// a link or across a mount point, and only if what is at the path now is
// the very file or folder that was measured (same device and inode).
//
// The part's parent is opened, the part is looked at there without
// following it, refused when it is itself a mount point, opened with
// O_NOFOLLOW and checked again through its descriptor; everything below is
// removed relative to descriptors (unlinkat), sub-folders are opened with
// O_NOFOLLOW | O_DIRECTORY and checked to be what was listed, a link is
// unlinked as a link, and a folder on another mount is neither entered nor
// removed. The folder itself is kept.
//
// Depth costs no call stack: the folders on the way down are an explicit
// stack holding a bounded number of descriptors (a folder whose descriptor
// was given up is reopened from its parent, and its identity checked, when
// it is needed again), so a tree of any depth is emptied or refused.
// Stateless; callable from any thread.

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/walk/FileIdentity.h"
#include "platform/core/FailureReason.h"

namespace tidewell::engine {

class SafeRemover {
 public:
  enum class [[nodiscard]] Outcome{
      Removed,     // everything asked for is gone
      Vanished,    // nothing was at the path any more (ENOENT or ENOTDIR)
      Refused,     // a link, a mount point, not the measured file or folder, or
                   // not inspectable: untouched
      Incomplete,  // some entries below were refused or could not be removed
  };

  // What clear() did, and the allocated bytes (st_blocks * 512) its
  // unlinking gave back to the file system: a regular file counts only when
  // the link removed was its last one, so a file that is linked from
  // elsewhere too frees nothing, and one linked twice inside the part counts
  // once. Folders, links and other special files count nothing, as in
  // measuring. reason says why a Refused part was refused, or why the
  // first entry an Incomplete one kept was kept; absent otherwise.
  struct [[nodiscard]] Cleared {
    Outcome outcome = Outcome::Refused;
    int64_t releasedBytes = 0;
    std::optional<platform::FailureReason> reason;
    bool operator==(const Cleared&) const = default;
  };

  // Asked with the full path of every entry below the part before it is
  // removed: the reason that entry (and all below it) must stay, or none
  // when it may go.
  using Gate = std::function<std::optional<platform::FailureReason>(const std::string& path)>;

  // Called with the full path of a sub-folder after it was listed and
  // looked at, right before it is opened; tests swap it there.
  using BeforeOpening = std::function<void(const std::string& path)>;

  // path: absolute, standardized. A folder is emptied and kept; anything
  // else is unlinked.
  static Cleared clear(const std::string& path, const FileIdentity& measured, const Gate& refusalOf,
                       const BeforeOpening& beforeOpening = {});
  // The same for the entry of the open folder parentFd (which stays the
  // caller's) that path names, for a caller that holds the folder already:
  // the folder is not looked up again by its path.
  static Cleared clearAt(int parentFd, const std::string& path, const FileIdentity& measured,
                         const Gate& refusalOf, const BeforeOpening& beforeOpening = {});

  // Unlinks the entry `name` (anything but a folder) of the open folder
  // dirFd, which fstatat without following a link showed as `seen` just
  // before, and adds what that gave back to `released` (as in Cleared).
  // unlinkat's result, with errno as it left it.
  [[nodiscard]] static int unlinkCounting(int dirFd, const char* name, const struct stat& seen,
                                          int64_t& released);

  // The identity of what is at path, not following a link at path itself;
  // false when nothing is there or it is a symlink.
  static bool identify(const std::string& path, FileIdentity& out);
};

}  // namespace tidewell::engine
