#pragma once
// The per-user temporary folder that cleaning may empty. On Linux only a
// private $TMPDIR qualifies: a shared /tmp, the session's runtime folder or
// anything holding the user's own files never does.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace tidewell::platform {

// The session's runtime folders, which hold its live sockets (bus,
// display, audio, agents): $XDG_RUNTIME_DIR when it is absolute, and
// always /run/user/UID, where the session keeps them when the variable is
// unset or names another folder.
std::vector<std::string> runtimeFolders(const char* xdgRuntimeDir, uid_t uid);

// The physical (symlink-resolved) path of tmpdir when it is absolute, an
// existing directory owned by uid with no group or other write bit, and
// neither "/", the home folder, an ancestor of it, nor a first-level folder
// of it, and it neither is, holds nor lies inside one of sessionFolders
// (compared as given and resolved). Absent otherwise (including tmpdir ==
// nullptr).
std::optional<std::string> validatedTemporaryRoot(const char* tmpdir, const std::string& home, uid_t uid,
                                                  const std::vector<std::string>& sessionFolders);

}  // namespace tidewell::platform
