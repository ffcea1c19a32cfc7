#pragma once
// The per-user temporary folder that cleaning may empty. On Linux only a
// private $TMPDIR qualifies: a shared /tmp, the runtime folder or anything
// holding the user's own files never does.

#include <sys/types.h>

#include <optional>
#include <string>

namespace tidewell::platform {

// The physical (symlink-resolved) path of tmpdir when it is absolute, an
// existing directory owned by uid with no group or other write bit, and
// neither "/", the home folder, an ancestor of it, nor a first-level folder
// of it. Absent otherwise (including tmpdir == nullptr).
std::optional<std::string> validatedTemporaryRoot(const char* tmpdir, const std::string& home,
                                                  uid_t uid);

}  // namespace tidewell::platform
